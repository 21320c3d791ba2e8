// The four reports against scripted routines: exact lines for what the
// system answers, including the answers that go wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "fakes/routine_finte.h"
#include "main_window/carattere_adatto.h"
#include "main_window/form1.h"
#include "righe_attese.h"

namespace {

class Report : public ::testing::Test {
protected:
    void SetUp() override { Finte::Ripristina(); }

    Finte::Sistema& Sistema() { return Finte::Attuale(); }
};

// ---- Examples 1 and 2: the system directory ---------------------------------

TEST_F(Report, DirectoryLinesForEachAnswerOfTheSystem) {
    struct Caso {
        std::string Directory;
        bool Fallisce;
        std::u16string Ritorno;  // the routine's answer as example 1 prints it
        std::u16string Stampata;
    };
    const std::string Lunga(144, 'd');  // with its NUL, the 145 the report gives
    const Caso Casi[] = {
        {"C:\\windows", false, u"10", u"C:\\windows"},
        {Lunga, false, u"144", std::u16string(Lunga.begin(), Lunga.end())},
        {Lunga + "d", false, u"146", u""},  // too long: the size needed, no directory
        {"C:\\WINDOWS", true, u"0", u""},
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(c.Directory);
        Sistema().Directory = c.Directory;
        Sistema().DirectoryFallisce = c.Fallisce;
        EXPECT_EQ(Esegui(10), (Righe{u"valore di ritorno = " + c.Ritorno,
                                     u"Directory Windows = " + c.Stampata}));
        EXPECT_EQ(Sistema().DimensioneDirectoryRicevuta, 145);
        EXPECT_EQ(Esegui(20), (Righe{u"Directory Windows = " + c.Stampata}));
    }
}

// ---- Example 3: processor and memory -----------------------------------------

TEST_F(Report, SystemInfoWithProcessorInTheTable) {
    Sistema().Info = {0, 4096, 65536, 0x7FFEFFFF, 3, 2, 586, 65536};
    EXPECT_EQ(Esegui(30),
              (Righe{
                  AColonna50(u"Tipo  processore usato", u" 0 "),
                  AColonna50(u"Grandezza pagina usata", u" 4096 "),
                  AColonna50(u"Indirizzo più basso per un'applicazione", u" 65536 "),
                  AColonna50(u"Indirizzo più alto per un'applicazione", u" 2147418111 "),
                  AColonna50(u"numero di processori configurati nel sistema ", u" 3 "),
                  AColonna50(u"numero di processori nel sistema ", u" 2 "),
                  AColonna50(u"Tipo Processore", u"Intel Pentium"),
                  AColonna50(u"granularità ", u" 65536 "),
              }));
}

TEST_F(Report, ProcessorLineOnlyForTypesOfTheTable) {
    const std::pair<std::int32_t, std::u16string_view> Casi[] = {
        {386, u"Intel 386"},
        {486, u"Intel 486"},
        {586, u"Intel Pentium"},
        {4000, u"MIPS R4000"},
        {21064, u"Alpha 21064"},
        {0, u""},
        {8664, u""},
        {585, u""},
        {587, u""},
        {-1, u""},
    };
    for (const auto& [Tipo, Nome] : Casi) {
        SCOPED_TRACE(Tipo);
        Sistema().Info.dwProcessorType = Tipo;
        Sistema().Info.dwAllocationGranularity = 4096;
        const Righe r = Esegui(30);
        ASSERT_EQ(r.size(), Nome.empty() ? 7u : 8u);
        EXPECT_EQ(r.back(), AColonna50(u"granularità ", u" 4096 "));
        if (!Nome.empty()) {
            EXPECT_EQ(r[6], AColonna50(u"Tipo Processore", Nome));
        }
    }
}

TEST_F(Report, SystemValuesWithTheTopBitSetPrintNegative) {
    Sistema().Info.lpMaximumApplicationAddress = static_cast<std::int32_t>(0xFFFEFFFFu);
    Sistema().Info.dwActiveProcessorMask = -1;  // 32 processors or more
    const Righe r = Esegui(30);
    EXPECT_EQ(r[3], AColonna50(u"Indirizzo più alto per un'applicazione", u"-65537 "));
    EXPECT_EQ(r[4], AColonna50(u"numero di processori configurati nel sistema ", u"-1 "));
}

TEST_F(Report, SystemInfoIsQueriedAfreshOnEveryRun) {
    Form1 f;
    Sistema().Info.dwNumberOfProcessors = 2;
    f.mnu_Click(30);
    Sistema().Info.dwNumberOfProcessors = 4;
    f.mnu_Click(30);
    EXPECT_EQ(Sistema().ChiamateGetSystemInfo, 2);
    EXPECT_EQ(Modulo1::DatiSistema.dwNumberOfProcessors, 4);
    EXPECT_EQ(f.Righe()[5], AColonna50(u"numero di processori nel sistema ", u" 4 "));
}

// ---- Example 4: the volume of "c:\" -------------------------------------------

TEST_F(Report, VolumeInformation) {
    EXPECT_EQ(Esegui(40), (Righe{
                              AColonna50(u"nome Drive", u"c:\\"),
                              AColonna50(u"nome Volume", u"SISTEMA"),
                              AColonna50(u"Nr Seriale", u" 305441741 "),
                              AColonna50(u"Max grand di un file", u" 255 "),
                              AColonna50(u"Tipo File System", u" 47 "),
                              u"    qui sopra è stato omesso l'uso delle costanti",
                              AColonna50(u"Nome File System", u"NTFS"),
                              AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "),
                          }));
    EXPECT_EQ(Sistema().RadiceRicevuta, "c:\\");
    EXPECT_EQ(Sistema().DimensioneNomeVolumeRicevuta, 255);
    EXPECT_EQ(Sistema().DimensioneNomeFileSystemRicevuta, 255);
}

TEST_F(Report, VolumeWithoutLabelAndSerialWithTopBitSet) {
    Sistema().NomeVolume = "";
    Sistema().NumeroSeriale = static_cast<std::int32_t>(0xC0FFEE00u);
    const Righe r = Esegui(40);
    EXPECT_EQ(r[1], u"nome Volume" + std::u16string(38, u' '));
    EXPECT_EQ(r[2], AColonna50(u"Nr Seriale", u"-1056969216 "));
}

TEST_F(Report, FailedVolumeCallPrintsEmptyNamesZerosAndZero) {
    Sistema().VolumeFallisce = true;
    EXPECT_EQ(Esegui(40), RigheVolumeFallito());
}

// ---- What the font must show whole -------------------------------------------

TEST_F(Report, WidestLineAndLongestReportAreWhatTheFontIsChosenFor) {
    Sistema().Info = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, 586, 0};
    Sistema().NumeroSeriale = INT32_MIN;
    std::size_t Colonne = 0;
    std::size_t Linee = 0;
    for (const int Index : {20, 30, 40}) {
        const Righe r = Esegui(static_cast<std::int16_t>(Index));
        Linee = std::max(Linee, r.size());
        for (const auto& Riga : r) {
            Colonne = std::max(Colonne, Riga.size());
        }
    }
    EXPECT_EQ(Colonne, static_cast<std::size_t>(Varnelo::ColonneVisibili));
    EXPECT_EQ(Linee, static_cast<std::size_t>(Varnelo::RigheVisibili));
}

}  // namespace
