// The mount-table lookup, on tables written by the test.
#include <gtest/gtest.h>

#include "radice_finta.h"
#include "righe_mount.h"
#include "sistema.h"
#include "tabella_mount.h"

using Modulo1::Linux::TipoFileSystemMontato;

namespace {

class TabellaMount : public ::testing::Test {
protected:
    std::optional<std::string> Cerca(const std::string& Contenuto, const char* Destinazione = "/") {
        radice_.Scrivi("/tabella", Contenuto);
        return TipoFileSystemMontato(Modulo1::Linux::PercorsoSistema("/tabella"), Destinazione);
    }

    RadiceFinta radice_;
};

TEST_F(TabellaMount, LastMountOnTheDirectoryWins) {
    const std::string Tabella = RigaMountinfo(20, "/", "ext4") +
                                RigaMountinfo(21, "/tmp", "tmpfs") +
                                RigaMountinfo(22, "/", "overlay");
    EXPECT_EQ(Cerca(Tabella), "overlay");
    EXPECT_EQ(Cerca(Tabella, "/tmp"), "tmpfs");
}

TEST_F(TabellaMount, SkipsLinesItCannotParse) {
    EXPECT_EQ(Cerca(RigaMountinfo(20, "/", "xfs") + "garbage\n\x01\xFF\n" +
                    RigaMountinfo(21, "/home", "btrfs")),
              "xfs");
}

TEST_F(TabellaMount, NoAnswerWithoutAMountThere) {
    EXPECT_EQ(Cerca(RigaMountinfo(20, "/home", "ext4")), std::nullopt);
    EXPECT_EQ(Cerca(""), std::nullopt);
    EXPECT_EQ(Cerca("not a mount table at all\n"), std::nullopt);
    EXPECT_EQ(TipoFileSystemMontato("/nonexistent/varnelo/mountinfo", "/"), std::nullopt);
}

}  // namespace
