// Base64 with its particular decoding rules.
#include "settings/Tools.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    QByteArray text;
    QByteArray bytes;
};

TEST(Base64, EncodesWithPadding) {
    const Case cases[] = {{"", ""},
                          {"YQ==", "a"},
                          {"YWI=", "ab"},
                          {"YWJj", "abc"},
                          {"YWJjZA==", "abcd"},
                          {"AP8A", QByteArray("\x00\xff\x00", 3)},
                          {"+/+/", "\xfb\xff\xbf"}};
    for (const Case& c : cases)
        EXPECT_EQ(Base64Encode(c.bytes), c.text) << c.text.constData();
}

TEST(Base64, DecodesByItsOwnRules) {
    const Case cases[] = {
        {"YWI", ""},    // length not a multiple of 4
        {"YWI=", "ab"}, // "=" fourth: two bytes
        {"YQ==", "a"},  // "=" third: one byte
        {"YWJj", "abc"},
        {"", ""},
        {"YQ=A", "a"}, // third "=" decides, whatever the fourth is
        {"////", "\xff\xff\xff"},
        {"****", "\xff\xff\xff"}, // every unknown character counts as 63, like "/"
        {"YQ==YWJj", QByteArray("a\x0f\xff"
                                "abc",
                                6)}, // "=" inside counts 63 except in the last group
    };
    for (const Case& c : cases)
        EXPECT_EQ(Base64Decode(c.text), c.bytes) << c.text.constData();
}

TEST(Base64, RoundTripsEveryLength) {
    QByteArray data;
    for (int n = 0; n < 40; ++n) {
        EXPECT_EQ(Base64Decode(Base64Encode(data)), data) << n;
        data.append(static_cast<char>(n * 53 + 11));
    }
}
} // namespace
