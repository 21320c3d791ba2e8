#include "lista_cpu.h"

#include <sched.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>
#include <vector>

#include "file_sistema.h"

namespace Modulo1::Linux {

namespace {

using Intervallo = std::pair<std::uint32_t, std::uint32_t>;

struct LiberaCpu {
    void operator()(cpu_set_t* Insieme) const { CPU_FREE(Insieme); }
};

// The decimal number at the start of Testo, which it consumes; nullopt when
// there is none or it is not a CPU number.
std::optional<std::uint32_t> LeggiNumero(std::string_view& Testo) {
    std::uint64_t Valore = 0;
    std::size_t i = 0;
    for (; i < Testo.size() && Testo[i] >= '0' && Testo[i] <= '9'; ++i) {
        Valore = Valore * 10 + static_cast<std::uint64_t>(Testo[i] - '0');
        if (Valore >= LimiteNumeroCpu) {
            return std::nullopt;
        }
    }
    if (i == 0) {
        return std::nullopt;
    }
    Testo.remove_prefix(i);
    return static_cast<std::uint32_t>(Valore);
}

// "N" or "N-M" with N <= M; nullopt for anything else.
std::optional<Intervallo> LeggiIntervallo(std::string_view Elemento) {
    const auto Primo = LeggiNumero(Elemento);
    if (!Primo) {
        return std::nullopt;
    }
    if (Elemento.empty()) {
        return Intervallo{*Primo, *Primo};
    }
    if (Elemento.front() != '-') {
        return std::nullopt;
    }
    Elemento.remove_prefix(1);
    const auto Ultimo = LeggiNumero(Elemento);
    if (!Ultimo || !Elemento.empty() || *Ultimo < *Primo) {
        return std::nullopt;
    }
    return Intervallo{*Primo, *Ultimo};
}

// Bits First to Last of the low 32, as far as they reach into them.
std::uint32_t BitMaschera(Intervallo Cpu) {
    std::uint32_t Maschera = 0;
    for (std::uint32_t c = Cpu.first; c <= Cpu.second && c < 32; ++c) {
        Maschera |= 1u << c;
    }
    return Maschera;
}

}  // namespace

std::optional<InsiemeCpu> AnalizzaListaCpu(std::string_view Testo) {
    while (!Testo.empty() && (Testo.back() == '\n' || Testo.back() == ' ')) {
        Testo.remove_suffix(1);
    }
    std::vector<Intervallo> Intervalli;
    while (!Testo.empty()) {
        const std::size_t Virgola = Testo.find(',');
        const auto Letto = LeggiIntervallo(Testo.substr(0, Virgola));
        if (!Letto) {
            return std::nullopt;
        }
        Intervalli.push_back(*Letto);
        if (Virgola == std::string_view::npos) {
            break;
        }
        Testo.remove_prefix(Virgola + 1);
        if (Testo.empty()) {
            return std::nullopt;  // a trailing comma
        }
    }
    if (Intervalli.empty()) {
        return std::nullopt;
    }
    // The kernel never overlaps its ranges, but a count must not trust that.
    std::ranges::sort(Intervalli);
    InsiemeCpu Insieme;
    std::uint32_t ContatiFinoA = 0;  // CPUs below this are counted already
    for (const Intervallo& i : Intervalli) {
        const std::uint32_t Da = std::max(i.first, ContatiFinoA);
        if (i.second >= Da) {
            Insieme.Numero += i.second - Da + 1;
            ContatiFinoA = i.second + 1;
        }
        Insieme.Maschera |= BitMaschera(i);
    }
    return Insieme;
}

std::optional<InsiemeCpu> CpuDaAffinita() {
    // The kernel refuses a set smaller than its own CPU mask: grow until it fits.
    for (std::size_t Cpu = 1024; Cpu <= LimiteNumeroCpu; Cpu *= 2) {
        const std::unique_ptr<cpu_set_t, LiberaCpu> Insieme(CPU_ALLOC(Cpu));
        if (!Insieme) {
            return std::nullopt;
        }
        const std::size_t Dimensione = CPU_ALLOC_SIZE(Cpu);
        CPU_ZERO_S(Dimensione, Insieme.get());
        if (sched_getaffinity(0, Dimensione, Insieme.get()) != 0) {
            if (errno == EINVAL) {
                continue;
            }
            return std::nullopt;
        }
        InsiemeCpu Risultato;
        Risultato.Numero = static_cast<std::uint32_t>(CPU_COUNT_S(Dimensione, Insieme.get()));
        for (std::uint32_t c = 0; c < 32; ++c) {
            if (CPU_ISSET_S(c, Dimensione, Insieme.get())) {
                Risultato.Maschera |= 1u << c;
            }
        }
        return Risultato;
    }
    return std::nullopt;
}

InsiemeCpu LeggiCpuOnline() {
    if (const auto Testo = LeggiFileSistema("/sys/devices/system/cpu/online")) {
        if (const auto Insieme = AnalizzaListaCpu(*Testo)) {
            return *Insieme;
        }
    }
    return CpuDaAffinita().value_or(InsiemeCpu{});
}

}  // namespace Modulo1::Linux
