// The reports where the system's single-byte text is UTF-8, as on Linux.
#include <gtest/gtest.h>

#include "fakes/routine_finte.h"
#include "main_window/form1.h"
#include "righe_attese.h"

namespace {

class ReportUtf8 : public ::testing::Test {
protected:
    void SetUp() override { Finte::Ripristina(); }

    static Finte::Sistema& Sistema() { return Finte::Attuale(); }
};

TEST_F(ReportUtf8, DirectoryComesBackFromSingleByteText) {
    Sistema().Directory = "/usr/città";  // 10 characters, 11 bytes
    EXPECT_EQ(Esegui(10), (Righe{u"valore di ritorno = 11", u"Directory Windows = /usr/città"}));
    EXPECT_EQ(Esegui(20), (Righe{u"Directory Windows = /usr/città"}));
}

}  // namespace
