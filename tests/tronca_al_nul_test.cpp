#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shared/modulo1.h"

TEST(TroncaAlNul, StopsAtTheFirstNulOrTheBound) {
    // A text followed by NULs, as a routine leaves a buffer.
    std::u16string Windows(u"C:\\WINDOWS");
    Windows.resize(145, u'\0');
    std::u16string Vuoto(145, u'\0');
    struct Caso {
        std::u16string Testo;
        std::int32_t Limite;
        std::u16string Atteso;
    };
    const Caso Casi[] = {
        {Windows, 10, u"C:\\WINDOWS"},   // bound equal to the text
        {Windows, 3, u"C:\\"},           // smaller bound, no NUL met
        {Windows, 100, u"C:\\WINDOWS"},  // larger bound, stops at the NUL
        {Windows, 0, u"C:\\WINDOWS"},    // default bound
        {Vuoto, 0, u""},
        {Vuoto, 1, u""},
        {Vuoto, 146, u""},
        {Vuoto, 1000, u""},
        {u"abc", -1, u""},  // negative bound
        {u"abc", INT32_MIN, u""},
        {std::u16string(300, u'a'), 0, std::u16string(256, u'a')},  // default bound is 256
        {u"abc", 10, u"abc"},  // bound past the end of the text
        {u"", 0, u""},
        {std::u16string(145, u' '), 146, std::u16string(145, u' ')},
    };
    for (const Caso& c : Casi) {
        SCOPED_TRACE(::testing::Message() << c.Testo.size() << " units, bound " << c.Limite);
        EXPECT_EQ(Modulo1::TroncaAlNul(c.Testo, c.Limite), c.Atteso);
    }
}
