// Each of the two layers that keep a planted DLL out holds alone: a Windows 7
// without the update that brings SetDefaultDllDirectories has only the full
// path. Each case is its own process (a DLL once loaded is found again by
// name); the test's environment prefers a DLL found on the search path to
// Wine's own oleacc, as Windows does for one that is not a Known DLL.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "dll_di_sistema.h"
#include "percorso_eseguibile.h"

namespace {

struct CasoStrato {
    const char* Nome;
    bool Limita;     // LimitaDllAlSistema first
    bool Percorso;   // CaricaDalSistema, else a load by bare name
    bool Piantata;   // the planted DLL is the one loaded
};

void PrintTo(const CasoStrato& Caso, std::ostream* Uscita) { *Uscita << Caso.Nome; }

class StratoDll : public ::testing::TestWithParam<CasoStrato> {};

std::wstring NomeModulo(HMODULE Modulo) {
    std::wstring Nome(MAX_PATH, L'\0');
    Nome.resize(GetModuleFileNameW(Modulo, Nome.data(), MAX_PATH));
    return Nome;
}

TEST_P(StratoDll, PlantedOleaccOnTheSearchPath) {
    const CasoStrato& c = GetParam();
    const std::wstring Cartella = PercorsoWine(VARNELO_CARTELLA_PIANTATA);
    CreateDirectoryW(Cartella.c_str(), nullptr);
    const std::wstring Piantata = Cartella + L"\\oleacc.dll";
    ASSERT_TRUE(CopyFileW(PercorsoWine(VARNELO_OLEACC_PIANTATA).c_str(), Piantata.c_str(), FALSE))
        << GetLastError();
    // A folder searched before the system's, as the program's own folder is.
    ASSERT_TRUE(SetDllDirectoryW(Cartella.c_str())) << GetLastError();

    if (c.Limita) {
        Modulo1::Legame::LimitaDllAlSistema();
    }
    const HMODULE Modulo =
        c.Percorso ? Modulo1::Legame::CaricaDalSistema("oleacc") : LoadLibraryW(L"oleacc");
    ASSERT_NE(Modulo, nullptr) << GetLastError();
    EXPECT_EQ(_wcsicmp(NomeModulo(Modulo).c_str(), Piantata.c_str()) == 0, c.Piantata)
        << "loaded " << NomeModulo(Modulo);
}

INSTANTIATE_TEST_SUITE_P(
    Strati, StratoDll,
    ::testing::Values(CasoStrato{"NeitherLayerLoadsThePlantedOne", false, false, true},
                      CasoStrato{"FullPathAlone", false, true, false},
                      CasoStrato{"SearchLimitedToTheSystemAlone", true, false, false}),
    [](const auto& Info) { return std::string(Info.param.Nome); });

}  // namespace
