// Varnelo.exe read from another process, as a screen reader reads it: the
// client program prints the names it gets, which must be the lines that the
// reports print here, character for character, and what it hears of the
// focus, which must be on the line that each choice and key leads to.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <oleacc.h>

#include "main_window/form1.h"
#include "main_window/menu.h"
#include "passi_lettore.h"
#include "percorso_eseguibile.h"
#include "processo_avviato.h"
#include "righe_attese.h"

namespace {

struct Lettore {
    const char* Processore;
    const wchar_t* Percorso;
};

std::u16string DaUtf8(const std::string& Testo) {
    if (Testo.empty()) {
        return {};
    }
    const auto Byte = static_cast<int>(Testo.size());
    const int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Testo.data(), Byte, nullptr, 0);
    std::wstring Largo(static_cast<std::size_t>(n), L'\0');
    if (n == 0 || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Testo.data(), Byte,
                                      Largo.data(), n) != n) {
        ADD_FAILURE() << "not UTF-8: " << Testo;
    }
    return {Largo.begin(), Largo.end()};
}

// A focus event as the client read it: step, child id, role, state, name.
using Fuoco = std::tuple<int, long, long, long, std::u16string>;

// What the client printed: the names and the focus events per Index, and the
// results after the close.
struct Lettura {
    std::map<int, Righe> Nomi;
    std::map<int, std::vector<Fuoco>> Fuochi;
    std::string Chiusa;
};

Lettura Analizza(const std::string& Uscita) {
    Lettura Letta;
    std::istringstream Flusso(Uscita);
    std::string Riga;
    int Index = 0;
    while (std::getline(Flusso, Riga)) {
        std::size_t Numero = 0;
        int Passo = 0;
        unsigned long Figlio = 0, Ruolo = 0, Stato = 0;
        int Nome = 0;
        if (std::sscanf(Riga.c_str(), "fuoco %d %lx %lx %lx %n", &Passo, &Figlio, &Ruolo, &Stato,
                        &Nome) == 4 &&
            Nome > 0) {
            Letta.Fuochi[Index].emplace_back(Passo, Figlio, Ruolo, Stato,
                                             DaUtf8(Riga.substr(static_cast<std::size_t>(Nome))));
        } else if (std::sscanf(Riga.c_str(), "== %d %zu", &Index, &Numero) == 2) {
            Righe& Nomi = Letta.Nomi[Index];
            while (Nomi.size() < Numero && std::getline(Flusso, Riga)) {
                Nomi.push_back(DaUtf8(Riga));
            }
        } else if (Riga.rfind("chiusa ", 0) == 0) {
            Letta.Chiusa = Riga.substr(7);
        } else {
            ADD_FAILURE() << "unexpected output: " << Riga;
        }
    }
    return Letta;
}

void PrintTo(const Lettore& Client, std::ostream* Uscita) { *Uscita << Client.Processore; }

// Starts Eseguibile, has the client Lettore read it and close it, and checks
// that every report was read as printed and that the kept object then fails.
void LeggeOgniReport(const std::wstring& Eseguibile, const std::wstring& Lettore) {
    STARTUPINFOW AvvioVarnelo{};
    AvvioVarnelo.cb = sizeof AvvioVarnelo;
    ProcessoAvviato Varnelo;
    ASSERT_TRUE(Varnelo.Avvia(Eseguibile, AvvioVarnelo, false)) << GetLastError();
    ASSERT_NE(AttendiFinestra(Varnelo.Info), nullptr) << "Varnelo.exe shows no window";

    SECURITY_ATTRIBUTES Ereditabile{sizeof Ereditabile, nullptr, TRUE};
    HANDLE Tubo = nullptr;
    HANDLE Scrittura = nullptr;
    ASSERT_TRUE(CreatePipe(&Tubo, &Scrittura, &Ereditabile, 0));
    // Only the client's end is inherited, so the pipe ends when the client does.
    SetHandleInformation(Tubo, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW AvvioLettore{};
    AvvioLettore.cb = sizeof AvvioLettore;
    AvvioLettore.dwFlags = STARTF_USESTDHANDLES;
    AvvioLettore.hStdOutput = Scrittura;
    AvvioLettore.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    ProcessoAvviato Client;
    const bool Avviato = Client.Avvia(Lettore, AvvioLettore, true);
    CloseHandle(Scrittura);
    std::string Uscita;
    char Blocco[4096];
    DWORD Letti = 0;
    while (Avviato && ReadFile(Tubo, Blocco, sizeof Blocco, &Letti, nullptr) && Letti > 0) {
        Uscita.append(Blocco, Letti);
    }
    CloseHandle(Tubo);
    ASSERT_TRUE(Avviato) << GetLastError();
    ASSERT_EQ(Client.Fine(), 0u) << Uscita;
    EXPECT_EQ(Varnelo.Fine(), 0u) << "Varnelo.exe ends when the client closes it";

    const Lettura Letta = Analizza(Uscita);
    for (const Varnelo::VoceMenu& Voce : Varnelo::VociEsempi) {
        Form1 f;
        f.mnu_Click(Voce.Index);
        EXPECT_EQ(Letta.Nomi.count(Voce.Index) ? Letta.Nomi.at(Voce.Index) : Righe{}, f.Righe())
            << "example " << Voce.Index;
        // The choice puts the focus on the first line, then each key that
        // moves it where it leads; a key that moves nothing is not heard.
        const auto Passi = std::ranges::find(RigheAttese, Voce.Index, &RigheDeiPassi::Index);
        ASSERT_NE(Passi, RigheAttese.end()) << "example " << Voce.Index;
        const int Numero = static_cast<int>(f.Righe().size());
        std::vector<Fuoco> Attesi;
        for (int Passo = 0; Passo <= static_cast<int>(PassiLettore.size()); ++Passo) {
            const int Riga = Passo == 0 ? 1 : Passi->Righe[static_cast<std::size_t>(Passo - 1)];
            if (Riga == 0) {
                continue;
            }
            const int Linea = Riga > 0 ? Riga : Numero + 1 + Riga;
            ASSERT_TRUE(Linea >= 1 && Linea <= Numero) << "example " << Voce.Index;
            Attesi.emplace_back(
                Passo, Linea, ROLE_SYSTEM_STATICTEXT,
                STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
                f.Righe()[static_cast<std::size_t>(Linea - 1)]);
        }
        EXPECT_EQ(
            Letta.Fuochi.count(Voce.Index) ? Letta.Fuochi.at(Voce.Index) : std::vector<Fuoco>{},
            Attesi)
            << "example " << Voce.Index;
    }
    // Outside ASCII, as the volume and the labels have them.
    ASSERT_GE(Letta.Nomi.count(30) ? Letta.Nomi.at(30).size() : 0, 7u) << Uscita;
    ASSERT_EQ(Letta.Nomi.count(40) ? Letta.Nomi.at(40).size() : 0, 8u) << Uscita;
    EXPECT_EQ(Letta.Nomi.at(30)[2].substr(0, 49),
              AColonna50(u"Indirizzo più basso per un'applicazione", u""));
    EXPECT_EQ(Letta.Nomi.at(30).back().substr(0, 49), AColonna50(u"granularità ", u""));
    EXPECT_EQ(Letta.Nomi.at(40)[1], AColonna50(u"nome Volume", u"Città dati"));
    EXPECT_EQ(Letta.Nomi.at(40)[5], u"    qui sopra è stato omesso l'uso delle costanti");

    unsigned long SubitoDopo = 0;
    unsigned long AProcessoFinito = 0;
    ASSERT_EQ(std::sscanf(Letta.Chiusa.c_str(), "%lx %lx", &SubitoDopo, &AProcessoFinito), 2)
        << Uscita;
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(SubitoDopo))) << Letta.Chiusa;
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(AProcessoFinito))) << Letta.Chiusa;
}

class LettoreSchermo : public ::testing::TestWithParam<Lettore> {};

TEST_P(LettoreSchermo, ReadsEveryLineOfEachReportAsPrintedAndGetsErrorsAfterTheClose) {
    if (GetFileAttributesW(PercorsoWine(GetParam().Percorso).c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no client built for " << GetParam().Processore;
    }
    LeggeOgniReport(PercorsoEseguibile(), PercorsoWine(GetParam().Percorso));
}

// The clients of the build: its own processor's, and others named by the build;
// VARNELO_LETTORE_X64, when set, names the x64 client, which reads a 32-bit
// Varnelo.exe under 64-bit Wine.
std::vector<Lettore> Lettori() {
    std::vector<Lettore> Tutti = {VARNELO_LETTORI};
    static const std::wstring X64 = [] {
        std::wstring Valore(MAX_PATH, L'\0');
        const DWORD n = GetEnvironmentVariableW(L"VARNELO_LETTORE_X64", Valore.data(), MAX_PATH);
        Valore.resize(n < MAX_PATH ? n : 0);
        return Valore;
    }();
    if (!X64.empty()) {
        Tutti.push_back({"x86_64", X64.c_str()});
    }
    return Tutti;
}

INSTANTIATE_TEST_SUITE_P(Lettori, LettoreSchermo, ::testing::ValuesIn(Lettori()),
                         [](const ::testing::TestParamInfo<Lettore>& Info) {
                             return std::string(Info.param.Processore);
                         });

// An oleacc.dll beside Varnelo.exe, say in the folder where a download was
// unpacked, is never loaded, and the window is read all the same. Wine prefers
// its own oleacc; with oleacc=native,builtin it looks in the program's folder
// first, as Windows does for a DLL that is not one of its Known DLLs.
TEST(DllPiantata, AnOleaccBesideTheProgramIsNeverLoaded) {
    const std::wstring Cartella = PercorsoWine(VARNELO_CARTELLA_PIANTATA);
    const std::wstring Copia = Cartella + L"\\Varnelo.exe";
    const std::wstring Segno = Cartella + L"\\oleacc.dll.caricata";
    CreateDirectoryW(Cartella.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(PercorsoEseguibile().c_str(), Copia.c_str(), FALSE)) << GetLastError();
    ASSERT_TRUE(CopyFileW(PercorsoWine(VARNELO_OLEACC_PIANTATA).c_str(),
                          (Cartella + L"\\oleacc.dll").c_str(), FALSE))
        << GetLastError();
    DeleteFileW(Segno.c_str());

    // Wine reads WINEDLLOVERRIDES only from the environment it starts with, not
    // from one that a test hands its child; this is the same override, per program.
    constexpr wchar_t Chiave[] = L"Software\\Wine\\AppDefaults\\Varnelo.exe";
    HKEY Sostituzioni = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(Chiave) + L"\\DllOverrides").c_str(),
                              0, nullptr, 0, KEY_SET_VALUE, nullptr, &Sostituzioni, nullptr),
              ERROR_SUCCESS);
    constexpr wchar_t PrimaLaCartella[] = L"native,builtin";
    const LSTATUS Scritta =
        RegSetValueExW(Sostituzioni, L"oleacc", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(PrimaLaCartella), sizeof PrimaLaCartella);
    RegCloseKey(Sostituzioni);
    if (Scritta == ERROR_SUCCESS) {
        LeggeOgniReport(Copia, PercorsoWine(Lettori().front().Percorso));
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, Chiave);
    ASSERT_EQ(Scritta, ERROR_SUCCESS);
    EXPECT_EQ(GetFileAttributesW(Segno.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the planted oleacc.dll was loaded";
}

// LoadLibraryW(Nome) run in Processo, as the program's own code would call it;
// the thread's exit code (0 where nothing was loaded), or 0 with a failure
// where it could not run. kernel32 lies at one address in every process.
DWORD CaricaNelProcesso(HANDLE Processo, const std::wstring& Nome) {
    const SIZE_T Byte = (Nome.size() + 1) * sizeof(wchar_t);
    void* Remoto = VirtualAllocEx(Processo, nullptr, Byte, MEM_COMMIT, PAGE_READWRITE);
    EXPECT_NE(Remoto, nullptr) << GetLastError();
    if (Remoto == nullptr || !WriteProcessMemory(Processo, Remoto, Nome.c_str(), Byte, nullptr)) {
        ADD_FAILURE() << "WriteProcessMemory: " << GetLastError();
        return 0;
    }
    const auto Carica = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "LoadLibraryW")));
    const HANDLE Filo = CreateRemoteThread(Processo, nullptr, 0, Carica, Remoto, 0, nullptr);
    DWORD Codice = 0;
    EXPECT_NE(Filo, nullptr) << GetLastError();
    if (Filo != nullptr) {
        EXPECT_EQ(WaitForSingleObject(Filo, 60000), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeThread(Filo, &Codice));
        CloseHandle(Filo);
    }
    return Codice;
}

// From its first line on, the program looks for a DLL named without a folder
// in the system's folder only: one beside it, that anything in it may ask for
// by name, is never loaded. The same DLL by its full path shows that the
// call reached the program.
TEST(DllPiantata, TheRunningProgramLoadsNoDllByNameFromItsOwnFolder) {
    const std::wstring Cartella = PercorsoWine(VARNELO_CARTELLA_PIANTATA);
    const std::wstring Copia = Cartella + L"\\Varnelo.exe";
    const std::wstring Sonda = Cartella + L"\\sonda.dll";
    const std::wstring Segno = Sonda + L".caricata";
    CreateDirectoryW(Cartella.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(PercorsoEseguibile().c_str(), Copia.c_str(), FALSE)) << GetLastError();
    ASSERT_TRUE(CopyFileW(PercorsoWine(VARNELO_OLEACC_PIANTATA).c_str(), Sonda.c_str(), FALSE))
        << GetLastError();
    DeleteFileW(Segno.c_str());
    STARTUPINFOW Avvio{};
    Avvio.cb = sizeof Avvio;
    ProcessoAvviato Varnelo;
    ASSERT_TRUE(Varnelo.Avvia(Copia, Avvio)) << GetLastError();
    const HWND Finestra = AttendiFinestra(Varnelo.Info);
    ASSERT_NE(Finestra, nullptr) << "Varnelo.exe shows no window";

    EXPECT_EQ(CaricaNelProcesso(Varnelo.Info.hProcess, L"sonda.dll"), 0u);
    EXPECT_EQ(GetFileAttributesW(Segno.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the DLL beside the program was loaded by name";
    CaricaNelProcesso(Varnelo.Info.hProcess, Sonda);
    EXPECT_NE(GetFileAttributesW(Segno.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the call never ran in the program";
    // Ended, so that the next case may copy over it.
    PostMessageW(Finestra, WM_CLOSE, 0, 0);
    EXPECT_EQ(Varnelo.Fine(), 0u);
}

}  // namespace
