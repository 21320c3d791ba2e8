// Start-up of a program as its user sees it, whatever it is written with
// (Win32 under Wine, Qt): the time from just before the program is executed to
// the map of its first top-level X11 window with Varnelo's caption, and the
// resident memory of its process at that moment. The window is then asked to
// close, as a window manager asks, and the program killed if it lingers.
// Usage: prima_finestra PROGRAM [ARG...]
// Prints "MS KIB"; exit 1 when no such window appears within 60 s.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "main_window/menu.h"
#include "shared/codepage.h"
#include "stato_processo.h"

namespace {

using Orologio = std::chrono::steady_clock;

struct LiberaXcb {
    void operator()(void* Risposta) const { std::free(Risposta); }  // NOLINT(*-no-malloc)
};
template <typename T>
using RispostaXcb = std::unique_ptr<T, LiberaXcb>;

xcb_atom_t Atomo(xcb_connection_t* X, std::string_view Nome) {
    const RispostaXcb<xcb_intern_atom_reply_t> Risposta(xcb_intern_atom_reply(
        X, xcb_intern_atom(X, 0, static_cast<std::uint16_t>(Nome.size()), Nome.data()), nullptr));
    return Risposta ? Risposta->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Proprieta(xcb_connection_t* X, xcb_window_t Finestra, xcb_atom_t Nome) {
    const RispostaXcb<xcb_get_property_reply_t> Risposta(xcb_get_property_reply(
        X, xcb_get_property(X, 0, Finestra, Nome, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!Risposta) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(Risposta.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(Risposta.get()))};
}

// What a window is waited for by: the root it is mapped on, the caption
// (in _NET_WM_NAME or WM_NAME), the atom of _NET_WM_NAME, and the program,
// which must still be running.
struct FinestraAttesa {
    xcb_window_t Radice;
    std::string Titolo;
    xcb_atom_t NomeNet;
    pid_t Programma;
};

// True once the program has ended; it is left for waitpid to collect.
bool Terminato(pid_t Programma) {
    siginfo_t Stato{};
    return waitid(P_PID, static_cast<id_t>(Programma), &Stato, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           Stato.si_pid == Programma;
}

// The first top-level window mapped with the caption; nothing after Attesa,
// once the program has ended without one, or if the connection breaks.
std::optional<xcb_window_t> AttendiFinestra(xcb_connection_t* X, const FinestraAttesa& Cercata,
                                            Orologio::duration Attesa) {
    const auto Scadenza = Orologio::now() + Attesa;
    pollfd Lettura{.fd = xcb_get_file_descriptor(X), .events = POLLIN, .revents = 0};
    while (Orologio::now() < Scadenza) {
        while (const RispostaXcb<xcb_generic_event_t> Evento{xcb_poll_for_event(X)}) {
            if ((Evento->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* Mappa = reinterpret_cast<const xcb_map_notify_event_t*>(Evento.get());
            if (Mappa->event == Cercata.Radice &&
                (Proprieta(X, Mappa->window, Cercata.NomeNet) == Cercata.Titolo ||
                 Proprieta(X, Mappa->window, XCB_ATOM_WM_NAME) == Cercata.Titolo)) {
                return Mappa->window;
            }
        }
        if (xcb_connection_has_error(X) != 0 || Terminato(Cercata.Programma)) {
            return std::nullopt;
        }
        // Events wake the wait at once; the program's end is looked for every 100 ms.
        const auto Resto =
            std::chrono::duration_cast<std::chrono::milliseconds>(Scadenza - Orologio::now());
        (void)poll(&Lettura, 1, static_cast<int>(std::clamp<long long>(Resto.count(), 0, 100)));
    }
    return std::nullopt;
}

// WM_DELETE_WINDOW, as a window manager closes a window; then up to 10 s for
// the program to end before it is killed.
void Chiudi(xcb_connection_t* X, xcb_window_t Finestra, pid_t Processo) {
    xcb_client_message_event_t Messaggio{};
    Messaggio.response_type = XCB_CLIENT_MESSAGE;
    Messaggio.format = 32;
    Messaggio.window = Finestra;
    Messaggio.type = Atomo(X, "WM_PROTOCOLS");
    Messaggio.data.data32[0] = Atomo(X, "WM_DELETE_WINDOW");
    Messaggio.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(X, 0, Finestra, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&Messaggio));
    xcb_flush(X);
    const auto Scadenza = Orologio::now() + std::chrono::seconds(10);
    while (Orologio::now() < Scadenza) {
        if (waitpid(Processo, nullptr, WNOHANG) == Processo) {
            return;
        }
        usleep(10'000);
    }
    kill(Processo, SIGKILL);
    waitpid(Processo, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        (void)std::fprintf(stderr, "usage: prima_finestra PROGRAM [ARG...]\n");
        return 2;
    }
    xcb_connection_t* X = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(X) != 0) {
        (void)std::fprintf(stderr, "prima_finestra: no X display\n");
        xcb_disconnect(X);
        return 2;
    }
    const xcb_window_t Radice = xcb_setup_roots_iterator(xcb_get_setup(X)).data->root;
    const std::uint32_t Eventi = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(X, Radice, XCB_CW_EVENT_MASK, &Eventi);
    xcb_flush(X);
    // The program must not inherit the connection.
    (void)fcntl(xcb_get_file_descriptor(X), F_SETFD, FD_CLOEXEC);

    FinestraAttesa Cercata{Radice, Modulo1::VersoSingoloByte(Varnelo::Didascalia),
                           Atomo(X, "_NET_WM_NAME"), 0};
    // The program reads nothing and its output goes nowhere: only the measure
    // is printed, and nothing it leaves running (Wine's services) holds the
    // caller's pipes.
    posix_spawn_file_actions_t Uscite;
    posix_spawn_file_actions_init(&Uscite);
    posix_spawn_file_actions_addopen(&Uscite, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Uscite, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&Uscite, STDOUT_FILENO, STDERR_FILENO);
    const auto Inizio = Orologio::now();
    const int Errore =
        posix_spawnp(&Cercata.Programma, argv[1], &Uscite, nullptr, argv + 1, environ);
    posix_spawn_file_actions_destroy(&Uscite);
    if (Errore != 0) {
        (void)std::fprintf(stderr, "prima_finestra: cannot run %s (error %d)\n", argv[1], Errore);
        xcb_disconnect(X);
        return 2;
    }
    const std::optional<xcb_window_t> Finestra =
        AttendiFinestra(X, Cercata, std::chrono::seconds(60));
    const auto Fine = Orologio::now();
    if (!Finestra) {
        (void)std::fprintf(stderr, "prima_finestra: no window \"%s\" from %s\n",
                           Cercata.Titolo.c_str(), argv[1]);
        kill(Cercata.Programma, SIGKILL);
        waitpid(Cercata.Programma, nullptr, 0);
        xcb_disconnect(X);
        return 1;
    }
    const long Memoria = MemoriaDiProcesso(std::to_string(Cercata.Programma), "VmRSS:");
    std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(Fine - Inizio).count(),
                Memoria);
    Chiudi(X, *Finestra, Cercata.Programma);
    xcb_disconnect(X);
    return 0;
}
