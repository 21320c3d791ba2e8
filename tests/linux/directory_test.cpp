// GetWindowsDirectoryA: /usr, with the buffer contract of the Windows routine.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "radice_finta.h"
#include "shared/modulo1.h"
#include "shared/routine_native.h"

namespace {

constexpr char Riempimento = '~';

// A buffer of Dimensione bytes plus a guard, filled with a byte no answer contains.
std::string BufferConGuardia(std::size_t Dimensione) {
    std::string Buffer(Dimensione + 8, Riempimento);  // not braces: they would make two chars
    return Buffer;
}

TEST(GetWindowsDirectoryA, WritesUsrAndItsNulAndNothingMore) {
    for (const std::int32_t Dimensione : {5, 6, 145}) {
        SCOPED_TRACE(Dimensione);
        std::string Buffer = BufferConGuardia(static_cast<std::size_t>(Dimensione));
        EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(Buffer.data(), Dimensione), 4);
        EXPECT_EQ(std::string_view(Buffer.data(), 5), std::string_view("/usr\0", 5));
        EXPECT_EQ(Buffer.find_first_not_of(Riempimento, 5), std::string::npos);
    }
}

TEST(GetWindowsDirectoryA, TooSmallGetsTheSizeNeededAndIsUntouched) {
    for (const std::int32_t Dimensione : {4, 1, 0, -1, INT32_MIN}) {
        SCOPED_TRACE(Dimensione);
        std::string Buffer = BufferConGuardia(8);
        EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(Buffer.data(), Dimensione), 5);
        EXPECT_EQ(Buffer, BufferConGuardia(8));
    }
    EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(nullptr, 0), 5);
}

TEST(GetWindowsDirectoryA, FailsWithoutWritingWhenUsrIsNoDirectory) {
    RadiceFinta Radice;
    std::string Buffer = BufferConGuardia(145);
    EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(Buffer.data(), 145), 0) << "no /usr at all";
    Radice.Scrivi("/usr", "a file, not a directory");
    EXPECT_EQ(Modulo1::Nativo::GetWindowsDirectoryA(Buffer.data(), 145), 0) << "/usr a file";
    EXPECT_EQ(Buffer, BufferConGuardia(145));
}

TEST(GetWindowsDirectoryA, ThroughModulo1TheReportGetsUsr) {
    std::u16string Buffer(145, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Buffer, 145), 4);
    EXPECT_EQ(Modulo1::TroncaAlNul(Buffer, 0), u"/usr");
}

}  // namespace
