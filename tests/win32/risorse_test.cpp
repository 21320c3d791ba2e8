// The version record and the icon group, read back from Varnelo.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "percorso_eseguibile.h"

namespace {

class Risorse : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring Percorso = PercorsoEseguibile();
        const DWORD Dimensione = GetFileVersionInfoSizeW(Percorso.c_str(), nullptr);
        ASSERT_GT(Dimensione, 0u) << "no version record in Varnelo.exe";
        Versione.resize(Dimensione);
        ASSERT_TRUE(GetFileVersionInfoW(Percorso.c_str(), 0, Dimensione, Versione.data()));
    }

    std::wstring Stringa(const wchar_t* Nome) {
        wchar_t* Valore = nullptr;
        UINT Lunghezza = 0;
        const std::wstring Chiave = std::wstring(L"\\StringFileInfo\\041004B0\\") + Nome;
        if (!VerQueryValueW(Versione.data(), Chiave.c_str(), reinterpret_cast<void**>(&Valore),
                            &Lunghezza)) {
            return L"(missing)";
        }
        return Valore;
    }

    std::vector<BYTE> Versione;
};

TEST_F(Risorse, VersionRecordInItalian) {
    VS_FIXEDFILEINFO* Fisso = nullptr;
    UINT Lunghezza = 0;
    ASSERT_TRUE(VerQueryValueW(Versione.data(), L"\\", reinterpret_cast<void**>(&Fisso),
                               &Lunghezza));
    EXPECT_EQ(std::tie(Fisso->dwFileVersionMS, Fisso->dwFileVersionLS),
              std::make_tuple(DWORD{0x00010000}, DWORD{0}));
    EXPECT_EQ(std::tie(Fisso->dwProductVersionMS, Fisso->dwProductVersionLS),
              std::make_tuple(DWORD{0x00010000}, DWORD{0}));

    EXPECT_EQ(Stringa(L"FileVersion"), L"1.00");
    EXPECT_EQ(Stringa(L"ProductVersion"), L"1.00");
    EXPECT_EQ(Stringa(L"ProductName"), L"Varnelo");
    EXPECT_EQ(Stringa(L"InternalName"), L"Varnelo");
    EXPECT_EQ(Stringa(L"OriginalFilename"), L"Varnelo.exe");

    WORD* Traduzione = nullptr;
    ASSERT_TRUE(VerQueryValueW(Versione.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&Traduzione), &Lunghezza));
    ASSERT_EQ(Lunghezza, 4u);
    EXPECT_EQ(Traduzione[0], 0x0410);
    EXPECT_EQ(Traduzione[1], 1200);
}

#pragma pack(push, 2)
struct VoceGruppoIcone {
    BYTE Larghezza, Altezza, Colori, Riservato;
    WORD Piani, BitPerPixel;
    DWORD Byte;
    WORD Id;
};
#pragma pack(pop)

BOOL CALLBACK PrimoNome(HMODULE, LPCWSTR, LPWSTR Nome, LONG_PTR Risultato) {
    *reinterpret_cast<LPWSTR*>(Risultato) = Nome;
    return FALSE;
}

// A callback, not a lambda: on x86 it must be stdcall.
BOOL CALLBACK ContaNomi(HMODULE, LPCWSTR, LPWSTR, LONG_PTR Conta) {
    ++*reinterpret_cast<int*>(Conta);
    return TRUE;
}

TEST(IconeEseguibile, OneGroupOfThreeImages) {
    HMODULE Modulo = LoadLibraryExW(PercorsoEseguibile().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(Modulo, nullptr);
    int Gruppi = 0;
    EnumResourceNamesW(Modulo, RT_GROUP_ICON, ContaNomi, reinterpret_cast<LONG_PTR>(&Gruppi));
    EXPECT_EQ(Gruppi, 1);

    LPWSTR Nome = nullptr;
    EnumResourceNamesW(Modulo, RT_GROUP_ICON, PrimoNome, reinterpret_cast<LONG_PTR>(&Nome));
    HRSRC Risorsa = FindResourceW(Modulo, Nome, RT_GROUP_ICON);
    ASSERT_NE(Risorsa, nullptr);
    const auto* Dati = static_cast<const BYTE*>(LockResource(LoadResource(Modulo, Risorsa)));
    const WORD Quante = reinterpret_cast<const WORD*>(Dati)[2];
    ASSERT_EQ(Quante, 3);
    const auto* Voci = reinterpret_cast<const VoceGruppoIcone*>(Dati + 6);
    std::multiset<std::tuple<int, int, int>> Immagini;
    for (WORD i = 0; i < Quante; ++i) {
        Immagini.insert({Voci[i].Larghezza, Voci[i].Altezza, Voci[i].BitPerPixel});
    }
    EXPECT_EQ(Immagini, (std::multiset<std::tuple<int, int, int>>{
                            {32, 32, 1}, {32, 32, 4}, {16, 16, 4}}));
    EXPECT_NE(FindResourceExW(Modulo, RT_VERSION, MAKEINTRESOURCEW(1),
                              MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN)),
              nullptr);
    FreeLibrary(Modulo);
}

}  // namespace
