#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fakes/routine_finte.h"
#include "main_window/form1.h"

namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { Finte::Ripristina(); }
};

TEST_F(Dispatch, EachIndexRunsItsReportAfterClearingAndAnyOtherOnlyClears) {
    using Limiti = std::numeric_limits<std::int16_t>;
    struct Caso {
        std::int16_t Index;
        std::size_t Linee;
        std::u16string_view Inizio;  // of the first line
    };
    const Caso Casi[] = {
        {10, 2, u"valore di ritorno = 10"},
        {20, 1, u"Directory Windows = C:\\WINDOWS"},
        {30, 7, u"Tipo  processore usato"},
        {40, 8, u"nome Drive"},
        {0, 0, u""},
        {1, 0, u""},
        {11, 0, u""},
        {50, 0, u""},
        {-10, 0, u""},
        {Limiti::min(), 0, u""},
        {Limiti::max(), 0, u""},
    };
    Form1 f;
    for (const Caso& c : Casi) {
        SCOPED_TRACE(c.Index);
        f.mnu_Click(40);  // something to clear
        f.mnu_Click(c.Index);
        ASSERT_EQ(f.Righe().size(), c.Linee);
        if (c.Linee > 0) {
            EXPECT_TRUE(f.Righe().front().starts_with(c.Inizio));
        }
    }
}

TEST_F(Dispatch, EsciUnloadsTheForm) {
    Form1 f;
    EXPECT_TRUE(f.Caricato());
    f.mnu_esci_Click();
    EXPECT_FALSE(f.Caricato());
}

}  // namespace
