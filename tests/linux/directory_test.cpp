// GetWindowsDirectoryA: /usr, with the buffer contract of the Windows routine.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "radice_finta.h"
#include "shared/modulo1.h"
#include "shared/routine_native.h"

namespace {

TEST(GetWindowsDirectoryA, WritesUsrOnlyWhenItFitsAndIsADirectory) {
    enum class Usr { Sistema, Assente, File };
    struct Caso {
        Usr Directory;
        std::int32_t Dimensione;
        std::int32_t Ritorno;
        bool Scrive;  // "/usr" and its NUL, nothing more
    };
    const Caso Casi[] = {
        {Usr::Sistema, 5, 4, true},    {Usr::Sistema, 6, 4, true},
        {Usr::Sistema, 145, 4, true},  {Usr::Sistema, 4, 5, false},  // too small: the size needed
        {Usr::Sistema, 1, 5, false},   {Usr::Sistema, 0, 5, false},
        {Usr::Sistema, -1, 5, false},  {Usr::Sistema, INT32_MIN, 5, false},
        {Usr::Assente, 145, 0, false}, {Usr::File, 145, 0, false},
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(::testing::Message()
                     << static_cast<int>(c.Directory) << ", size " << c.Dimensione);
        std::optional<RadiceFinta> Radice;
        if (c.Directory != Usr::Sistema) {
            RadiceFinta& Finta = Radice.emplace();
            if (c.Directory == Usr::File) {
                Finta.Scrivi("/usr", "a file, not a directory");
            }
        }
        // Filled with a byte no answer contains, and a guard past the size.
        std::string Buffer(153, '~');
        EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(Buffer.data(), c.Dimensione), c.Ritorno);
        EXPECT_EQ(Buffer, c.Scrive ? std::string("/usr\0", 5) + std::string(148, '~')
                                   : std::string(153, '~'));
    }
    EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(nullptr, 0), 5);
}

TEST(GetWindowsDirectoryA, ThroughModulo1TheReportGetsUsr) {
    std::u16string Buffer(145, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Buffer, 145), 4);
    EXPECT_EQ(Modulo1::TroncaAlNul(Buffer, 0), u"/usr");
}

}  // namespace
