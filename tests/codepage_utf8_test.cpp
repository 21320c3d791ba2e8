#include <gtest/gtest.h>

#include "shared/codepage.h"

using Modulo1::DaSingoloByte;
using Modulo1::VersoSingoloByte;

TEST(CodepageUtf8, RoundTripKeepsTextAndNuls) {
    const std::u16string Testi[] = {u"", u"c:\\", u"granularità", std::u16string(145, u'\0'),
                                    u"\U0001F600 e \u20AC"};
    for (const auto& t : Testi) {
        EXPECT_EQ(DaSingoloByte(VersoSingoloByte(t)), t);
    }
    EXPECT_EQ(VersoSingoloByte(u"è"), "\xC3\xA8");
}

TEST(CodepageUtf8, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(DaSingoloByte("\xFF"), u"\uFFFD");
    EXPECT_EQ(DaSingoloByte("a\xC3"), u"a\uFFFD");            // cut short at the end
    EXPECT_EQ(DaSingoloByte("\xC3(x"), u"\uFFFD(x");          // continuation missing
    EXPECT_EQ(DaSingoloByte("\xC0\xAF"), u"\uFFFD\uFFFD");    // overlong lead byte
    EXPECT_EQ(DaSingoloByte("\xE0\x80\xAF"), u"\uFFFD");      // overlong sequence
    EXPECT_EQ(DaSingoloByte("\xED\xA0\x80"), u"\uFFFD");      // encoded surrogate
    EXPECT_EQ(DaSingoloByte("\xF4\x90\x80\x80"), u"\uFFFD");  // past U+10FFFF
    EXPECT_EQ(DaSingoloByte("\x80z"), u"\uFFFDz");            // stray continuation
}

TEST(CodepageUtf8, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(VersoSingoloByte(std::u16string{0xD800, u'a'}),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(VersoSingoloByte(std::u16string{0xDC00}), "\xEF\xBF\xBD");
}
