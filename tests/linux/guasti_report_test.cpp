// What the examples print when the system's files are missing or odd: the
// reports still print every line, with what a failed or partial query leaves.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>

#include "main_window/form1.h"
#include "radice_finta.h"
#include "righe_attese.h"
#include "righe_mount.h"
#include "sistema_finto.h"

namespace {

TEST(GuastiReport, UnreadableMountTablePrintsAFailedVolumeCall) {
    const RadiceFinta Radice;  // holds neither /proc/self/mountinfo nor /etc/mtab
    EXPECT_EQ(Esegui(40), RigheVolumeFallito());
}

TEST(GuastiReport, NameCutInsideACharacterPrintsAReplacementAtTheEnd) {
    const RadiceFinta Radice;
    // The report's 255 bytes hold 254 and the NUL: the cut falls inside the
    // two-byte character, whose first byte alone is no UTF-8.
    Radice.Scrivi("/proc/self/mountinfo",
                  RigaMountinfo(1, "/", std::string(253, 'z') + "\xC3\xA0"));
    const Righe r = Esegui(40);
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[6], AColonna50(u"Nome File System", std::u16string(253, u'z') + u"\uFFFD"));
    EXPECT_EQ(r[7], AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "));
}

TEST(GuastiReport, VolumeNameIsTheLabelTheFileSystemAnswers) {
    struct Caso {
        const char* Nome;
        int Errore;
        std::optional<std::string> Etichetta;
        std::u16string Stampata;
    };
    const Caso Casi[] = {
        {"labelled", 0, "Città dati", u"Città dati"},
        {"no label", 0, "", u""},
        {"no label support (tmpfs)", ENOTTY, std::nullopt, u""},
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(c.Nome);
        const RadiceFinta Radice;
        Radice.Scrivi("/proc/self/mountinfo", RigaMountinfo(1, "/", "ext4"));
        SistemaFinto::Attuali().ErroreEtichetta = c.Errore;
        SistemaFinto::Attuali().Etichetta = c.Etichetta;
        const Righe r = Esegui(40);
        ASSERT_EQ(r.size(), 8u);
        EXPECT_EQ(r[1], AColonna50(u"nome Volume", c.Stampata));
        EXPECT_EQ(r[6], AColonna50(u"Nome File System", u"ext4"));
        EXPECT_EQ(r[7], AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "));
    }
}

}  // namespace
