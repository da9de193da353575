#include "core/utf8.h"

namespace shieldcalc {

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    // The length of the sequence, the payload bits of its lead byte and the
    // range of its second byte, which rules out overlong forms, surrogates
    // and code points above U+10FFFF.
    std::size_t length = 0;
    char32_t cp = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < length - 1) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k + 1 < length; ++k) {
        const unsigned next = byte(i + k);
        if (next < low || next > high) {
            return std::nullopt;
        }
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (next & 0x3F);
    }
    i += length - 1;
    return cp;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!decodeUtf8(text, i)) {
            return false;
        }
    }
    return true;
}

} // namespace shieldcalc
