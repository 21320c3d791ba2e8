// The marshalling of the routines: what goes to the system and what comes back.
#include <gtest/gtest.h>

#include <cstdint>

#include "fakes/routine_finte.h"
#include "shared/basso32.h"
#include "shared/modulo1.h"

namespace {

class Routine : public ::testing::Test {
protected:
    void SetUp() override { Finte::Ripristina(); }
};

TEST_F(Routine, BufferComesBackAsLongAsItWent) {
    std::u16string Buffer(145, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Buffer, 145), 10);
    ASSERT_EQ(Buffer.size(), 145u);
    EXPECT_EQ(Buffer.substr(0, 11), std::u16string(u"C:\\WINDOWS\0", 11));
}

TEST_F(Routine, SizeLargerThanTheBufferNeverWritesOutsideTheCopy) {
    Finte::Attuale().Directory = std::string(200, 'x');
    std::u16string Buffer(4, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Buffer, 300), 200);
    EXPECT_EQ(Buffer, u"xxxx");  // only as much as the caller's text holds
}

TEST_F(Routine, FailedVolumeCallLeavesEveryOutputAsItWas) {
    std::u16string Nome(3, u'n');
    std::u16string FileSystem(3, u'f');
    std::int32_t Seriale = 7, Lunghezza = 8, Flag = 9;
    EXPECT_EQ(
        Modulo1::GetVolumeInformationA(u"d:\\", Nome, 3, Seriale, Lunghezza, Flag, FileSystem, 3),
        0);
    EXPECT_EQ(Finte::Attuale().RadiceRicevuta, "d:\\");
    EXPECT_EQ(Nome, u"nnn");
    EXPECT_EQ(FileSystem, u"fff");
    EXPECT_EQ(std::tie(Seriale, Lunghezza, Flag), std::make_tuple(7, 8, 9));
}

TEST(Basso32, KeepsTheLowBitsAsSignedTwosComplement) {
    EXPECT_EQ(Modulo1::Basso32(4096), 4096);
    EXPECT_EQ(Modulo1::Basso32(0xFFFF'FFFF), -1);
    EXPECT_EQ(Modulo1::Basso32(0x8000'0000), INT32_MIN);
    EXPECT_EQ(Modulo1::Basso32(0x7FFF'FFFF'EFFF), -4097);
    EXPECT_EQ(Modulo1::Basso32(0x1'0000'0005), 5);
}

}  // namespace
