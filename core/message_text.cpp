#include "core/message_text.h"

#include "core/utf8.h"

#include <cstdio>
#include <vector>

namespace shieldcalc {

namespace {

// Characters that show nothing themselves but change how the text around
// them is laid out.
bool isInvisibleFormatting(char32_t cp) {
    return (cp >= 0x80 && cp <= 0x9F) || cp == 0xAD || cp == 0x61C || cp == 0x180E ||
           (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF || (cp >= 0xFFF9 && cp <= 0xFFFB) ||
           (cp >= 0xE0000 && cp <= 0xE007F);
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// How one character, or one byte of ill-formed UTF-8, is shown.
struct Shown {
    std::string text;
    std::size_t length; // in characters
};

Shown shownCharacter(char32_t cp) {
    Shown shown{{}, 1};
    if (cp < 0x20 || cp == 0x7F) {
        appendUtf8(shown.text, cp == 0x7F ? U'␡' : U'␀' + cp);
    } else if (isInvisibleFormatting(cp)) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "<U+%04X>", static_cast<unsigned>(cp));
        shown = {buffer, std::string_view(buffer).size()};
    } else {
        appendUtf8(shown.text, cp);
    }
    return shown;
}

Shown shownByte(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
    return {buffer, 4};
}

} // namespace

std::string textForMessage(std::string_view text) {
    std::vector<Shown> pieces;
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const auto cp = decodeUtf8(text, i);
        pieces.push_back(cp ? shownCharacter(*cp)
                            : shownByte(static_cast<unsigned char>(text[start])));
        length += pieces.back().length;
    }
    std::string shown;
    if (length <= kQuotedLength) {
        for (const Shown& piece : pieces)
            shown += piece.text;
        return shown;
    }
    // Whole pieces from the front and from the back, one character left for "…".
    const std::size_t headRoom = kQuotedLength / 2, tailRoom = kQuotedLength - 1 - headRoom;
    std::size_t head = 0, used = 0;
    while (used + pieces[head].length <= headRoom)
        used += pieces[head++].length;
    std::size_t tail = pieces.size();
    used = 0;
    while (used + pieces[tail - 1].length <= tailRoom)
        used += pieces[--tail].length;
    for (std::size_t k = 0; k < head; ++k)
        shown += pieces[k].text;
    shown += "…";
    for (std::size_t k = tail; k < pieces.size(); ++k)
        shown += pieces[k].text;
    return shown;
}

} // namespace shieldcalc
