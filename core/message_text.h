// User text quoted in a message.
//
// A message that names what the user typed (a form's box, an argument of the
// command line) shows it through textForMessage, so that whatever the text
// holds it reads as plain characters of a bounded length:
//   - ill-formed UTF-8 is shown byte by byte as "\xC0";
//   - control characters are shown as visible symbols: the C0 controls and
//     DEL by their pictures ("␀" to "␟", "␡"), the C1 controls and the
//     invisible formatting characters (bidirectional overrides, zero-width
//     and line-separator characters, the byte-order mark, the tag
//     characters) as "<U+202E>";
//   - a text that would show as more than kQuotedLength characters keeps its
//     beginning and its end with "…" between them.
// The result is well-formed UTF-8; the caller adds the quotation marks.
#pragma once

#include <string>
#include <string_view>

namespace shieldcalc {

inline constexpr std::size_t kQuotedLength = 40;

std::string textForMessage(std::string_view text);

} // namespace shieldcalc
