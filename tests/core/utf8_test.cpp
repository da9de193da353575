// Strict UTF-8: every three-byte form against the definition of the encoding.
#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace shieldcalc {
namespace {

// A lead byte 1110xxxx and two bytes 10xxxxxx encode xxxx xxxxxx xxxxxx; the
// form is UTF-8 when that value needs three bytes (U+0800 and up) and is not
// a surrogate (U+D800 to U+DFFF).
TEST(Utf8, EveryThreeByteFormIsReadAsTheEncodingDefinesIt) {
    int accepted = 0;
    for (unsigned lead = 0xE0; lead <= 0xEF; ++lead) {
        for (unsigned second = 0; second < 256; ++second) {
            for (unsigned third = 0; third < 256; ++third) {
                const std::string text{static_cast<char>(lead), static_cast<char>(second),
                                       static_cast<char>(third)};
                const bool continuations = (second & 0xC0) == 0x80 && (third & 0xC0) == 0x80;
                const char32_t value =
                    ((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F);
                const bool wellFormed =
                    continuations && value >= 0x800 && !(value >= 0xD800 && value <= 0xDFFF);
                std::size_t i = 0;
                const auto decoded = decodeUtf8(text, i);
                ASSERT_EQ(decoded.has_value(), wellFormed)
                    << std::hex << lead << ' ' << second << ' ' << third;
                ASSERT_EQ(isUtf8(text), wellFormed);
                if (wellFormed) {
                    ASSERT_EQ(*decoded, value);
                    ASSERT_EQ(i, 3u);
                    ++accepted;
                } else {
                    ASSERT_EQ(i, 1u) << "an ill-formed sequence moves past its first byte only";
                }
            }
        }
    }
    // U+0800 to U+FFFF without the 2,048 surrogates.
    EXPECT_EQ(accepted, 0x10000 - 0x800 - 0x800);
}

} // namespace
} // namespace shieldcalc
