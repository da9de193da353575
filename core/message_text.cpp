#include "core/message_text.h"

#include "core/utf8.h"

#include <algorithm>
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

// The piece that starts at text[i], moving i past it.
Shown nextPiece(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    const auto cp = decodeUtf8(text, i);
    return cp ? shownCharacter(*cp) : shownByte(static_cast<unsigned char>(text[start]));
}

// Where the pieces of text that lie within its last `bytes` bytes begin. A
// byte that does not continue a sequence always begins a piece, and so does
// a continuation byte with no such byte among the three before it, since no
// sequence is longer than four bytes.
std::size_t pieceStartNear(std::string_view text, std::size_t bytes) {
    if (bytes >= text.size()) {
        return 0;
    }
    const std::size_t from = text.size() - bytes;
    const auto continues = [&](std::size_t k) {
        return (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80;
    };
    for (std::size_t back = 0; back < 4 && back <= from; ++back) {
        if (!continues(from - back)) {
            return from - back;
        }
    }
    return from;
}

} // namespace

// Reads the text's beginning and its end only: a long text costs what its
// shortened form shows, not its length.
std::string textForMessage(std::string_view text) {
    std::string shown;
    std::size_t length = 0, i = 0;
    // Whole pieces from the front, one character left for "…".
    const std::size_t headRoom = kQuotedLength / 2, tailRoom = kQuotedLength - 1 - headRoom;
    std::size_t headEnd = 0, headBytes = 0;
    while (i < text.size()) {
        const Shown piece = nextPiece(text, i);
        length += piece.length;
        if (length > kQuotedLength) {
            break;
        }
        shown += piece.text;
        if (length <= headRoom) {
            headEnd = shown.size();
            headBytes = i;
        }
    }
    if (length <= kQuotedLength) {
        return shown;
    }
    shown.resize(headEnd);
    shown += "…";
    // Every piece shows at least one character from at most four bytes, so
    // the tail lies within the last 4 * (tailRoom + 1) bytes, after the head.
    std::size_t k = std::max(headBytes, pieceStartNear(text, 4 * (tailRoom + 1)));
    std::vector<Shown> tail;
    while (k < text.size()) {
        tail.push_back(nextPiece(text, k));
    }
    std::size_t first = tail.size(), used = 0;
    while (first > 0 && used + tail[first - 1].length <= tailRoom) {
        used += tail[--first].length;
    }
    for (std::size_t p = first; p < tail.size(); ++p) {
        shown += tail[p].text;
    }
    return shown;
}

} // namespace shieldcalc
