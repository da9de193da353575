// User text quoted in messages: plain, visible, of bounded length.
#include "core/message_text.h"

#include "core/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace shieldcalc {
namespace {

struct QuoteCase {
    const char* name;
    std::string text;
    std::string shown;
};

class TextForMessage : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(TextForMessage, ShowsTheTextPlainly) {
    EXPECT_EQ(textForMessage(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Quoting, TextForMessage,
    ::testing::Values(
        QuoteCase{"plain", "12kHz", "12kHz"},
        QuoteCase{"markup_kept_as_characters", "<font size=7>BIG</font>",
                  "<font size=7>BIG</font>"},
        QuoteCase{"chinese", "一二三", "一二三"},
        QuoteCase{"c0_controls_as_pictures", std::string("a\tb\nc\x1b\x7f", 7) + '\0', "a␉b␊c␛␡␀"},
        QuoteCase{"c1_control",
                  "1\xc2\x85"
                  "2",
                  "1<U+0085>2"},
        QuoteCase{"bidirectional_override",
                  "\xe2\x80\xae"
                  "1",
                  "<U+202E>1"},
        QuoteCase{"zero_width_and_bom", "1\xe2\x80\x8b\xef\xbb\xbf", "1<U+200B><U+FEFF>"},
        QuoteCase{"tag_character", "1\xf3\xa0\x80\x81", "1<U+E0001>"},
        QuoteCase{"overlong_bytes", "\xc0\xb1", "\\xC0\\xB1"},
        QuoteCase{"surrogate_bytes", "\xed\xa0\x80", "\\xED\\xA0\\x80"},
        QuoteCase{"cut_off_sequence", "1\xe4\xb8", "1\\xE4\\xB8"},
        QuoteCase{"forty_characters_whole", std::string(40, 'x'), std::string(40, 'x')},
        QuoteCase{"forty_one_shortened", std::string(20, 'a') + "b" + std::string(20, 'c'),
                  std::string(20, 'a') + "…" + std::string(19, 'c')},
        QuoteCase{"long_chinese_shortened",
                  [] {
                      std::string s;
                      for (int i = 0; i < 50; ++i)
                          s += "频";
                      return s;
                  }(),
                  [] {
                      std::string s;
                      for (int i = 0; i < 20; ++i)
                          s += "频";
                      s += "…";
                      for (int i = 0; i < 19; ++i)
                          s += "频";
                      return s;
                  }()},
        QuoteCase{"stray_continuation_bytes_at_the_end",
                  std::string(100, 'a') + std::string(100, '\x80'),
                  std::string(20, 'a') + "…" + "\\x80\\x80\\x80\\x80"},
        QuoteCase{"end_cut_inside_a_character",
                  [] {
                      std::string s(100, 'a');
                      for (int i = 0; i < 30; ++i)
                          s += "频";
                      return s;
                  }(),
                  [] {
                      std::string s(20, 'a');
                      s += "…";
                      for (int i = 0; i < 19; ++i)
                          s += "频";
                      return s;
                  }()},
        QuoteCase{"escapes_never_split",
                  std::string(19, 'a') + "\xe2\x80\xae" + std::string(30, 'z'),
                  std::string(19, 'a') + "…" + std::string(19, 'z')}),
    [](const auto& info) { return info.param.name; });

TEST(TextForMessage, AnyBytesGiveWellFormedTextOfBoundedLength) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string shown = textForMessage(bytes + bytes);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < shown.size(); ++characters) {
        const auto cp = decodeUtf8(shown, i);
        ASSERT_TRUE(cp.has_value()) << "ill-formed at byte " << i;
        EXPECT_GE(*cp, 0x20u);
        EXPECT_NE(*cp, 0x7Fu);
    }
    EXPECT_LE(characters, kQuotedLength);
}

// A text whose middle lies in memory that cannot be read: quoting it must
// read its beginning and end only, as a message shows no more of it.
TEST(TextForMessage, ReadsOnlyTheBeginningAndTheEndOfALongText) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* mapped =
        mmap(nullptr, 3 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    char* bytes = static_cast<char*>(mapped);
    std::fill(bytes, bytes + page, 'a');
    std::fill(bytes + 2 * page, bytes + 3 * page, 'z');
    ASSERT_EQ(mprotect(bytes + page, page, PROT_NONE), 0);
    EXPECT_EQ(textForMessage(std::string_view(bytes, 3 * page)),
              std::string(20, 'a') + "…" + std::string(19, 'z'));
    munmap(mapped, 3 * page);
}

} // namespace
} // namespace shieldcalc
