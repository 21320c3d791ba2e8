#include <gtest/gtest.h>

#include <limits>

#include "fakes/routine_finte.h"
#include "main_window/form1.h"

namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { Finte::Ripristina(); }
};

TEST_F(Dispatch, EachIndexRunsItsReport) {
    Form1 f;
    f.mnu_Click(10);
    EXPECT_EQ(f.Righe().front(), u"valore di ritorno = 10");
    f.mnu_Click(20);
    EXPECT_EQ(f.Righe(), std::vector<std::u16string>{u"Directory Windows = C:\\WINDOWS"});
    f.mnu_Click(30);
    EXPECT_EQ(f.Righe().front().substr(0, 22), u"Tipo  processore usato");
    f.mnu_Click(40);
    EXPECT_EQ(f.Righe().front().substr(0, 10), u"nome Drive");
}

TEST_F(Dispatch, AnyOtherIndexOnlyClears) {
    using Limiti = std::numeric_limits<std::int16_t>;
    for (const std::int16_t Index : {std::int16_t{0}, std::int16_t{1}, std::int16_t{11},
                                     std::int16_t{50}, std::int16_t{-10}, Limiti::min(),
                                     Limiti::max()}) {
        Form1 f;
        f.mnu_Click(40);
        f.mnu_Click(Index);
        EXPECT_TRUE(f.Righe().empty()) << Index;
    }
}

TEST_F(Dispatch, TheSameChoiceTwiceReprintsWithFreshValues) {
    Form1 f;
    f.mnu_Click(10);
    Finte::Attuale().Directory = "C:\\WINNT";
    f.mnu_Click(10);
    EXPECT_EQ(f.Righe(), (std::vector<std::u16string>{u"valore di ritorno = 8",
                                                       u"Directory Windows = C:\\WINNT"}));
}

TEST_F(Dispatch, TwoChoicesInARowLeaveNothingOfTheFirst) {
    Form1 f;
    f.mnu_Click(30);
    f.mnu_Click(20);
    EXPECT_EQ(f.Righe(), std::vector<std::u16string>{u"Directory Windows = C:\\WINDOWS"});
}

TEST_F(Dispatch, EsciUnloadsTheForm) {
    Form1 f;
    EXPECT_TRUE(f.Caricato());
    f.mnu_esci_Click();
    EXPECT_FALSE(f.Caricato());
}

}  // namespace
