// Strict reading of UTF-8.
//
// Typed texts reach the core as UTF-8 bytes: from the windows (always well
// formed) and from the command line (any bytes at all). A sequence counts as
// a character only in its one shortest form: overlong forms, surrogates,
// code points above U+10FFFF, stray continuation bytes and truncated
// sequences are ill-formed.
#pragma once

#include <optional>
#include <string_view>

namespace shieldcalc {

// Decodes the character that starts at text[i] and moves i past it. On an
// ill-formed sequence returns nothing and moves i past its first byte only.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i);

// Whether the whole text is well-formed UTF-8.
bool isUtf8(std::string_view text);

} // namespace shieldcalc
