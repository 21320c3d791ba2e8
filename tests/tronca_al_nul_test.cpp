#include <gtest/gtest.h>

#include "shared/modulo1.h"

using Modulo1::TroncaAlNul;

namespace {
// A text followed by NULs up to Lunghezza characters, as a routine leaves a buffer.
std::u16string Buffer(std::u16string_view Testo, std::size_t Lunghezza) {
    std::u16string b(Testo);
    b.resize(Lunghezza, u'\0');
    return b;
}
}  // namespace

TEST(TroncaAlNul, StopsAtTheFirstNulOrTheBound) {
    const std::u16string b = Buffer(u"C:\\WINDOWS", 145);
    EXPECT_EQ(TroncaAlNul(b, 10), u"C:\\WINDOWS");  // bound equal to the text
    EXPECT_EQ(TroncaAlNul(b, 3), u"C:\\");          // smaller bound, no NUL met
    EXPECT_EQ(TroncaAlNul(b, 100), u"C:\\WINDOWS"); // larger bound, stops at the NUL
    EXPECT_EQ(TroncaAlNul(b, 0), u"C:\\WINDOWS");   // default bound
}

TEST(TroncaAlNul, BufferStartingWithNulIsEmptyWhateverTheBound) {
    const std::u16string b = Buffer(u"", 145);
    for (const std::int32_t Limite : {0, 1, 145, 146, 256, 1000}) {
        EXPECT_EQ(TroncaAlNul(b, Limite), u"") << "bound " << Limite;
    }
}

TEST(TroncaAlNul, NegativeBoundGivesEmptyText) {
    EXPECT_EQ(TroncaAlNul(u"abc", -1), u"");
    EXPECT_EQ(TroncaAlNul(u"abc", INT32_MIN), u"");
}

TEST(TroncaAlNul, DefaultBoundIs256) {
    const std::u16string Lungo(300, u'a');
    EXPECT_EQ(TroncaAlNul(Lungo, 0), std::u16string(256, u'a'));
    EXPECT_EQ(TroncaAlNul(Buffer(u"nome", 256), 0), u"nome");
}

TEST(TroncaAlNul, BoundPastTheEndOfTheTextStopsAtItsEnd) {
    EXPECT_EQ(TroncaAlNul(u"abc", 10), u"abc");
    EXPECT_EQ(TroncaAlNul(u"", 0), u"");
    EXPECT_EQ(TroncaAlNul(std::u16string(145, u' '), 146), std::u16string(145, u' '));
}
