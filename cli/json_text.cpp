#include "cli/json_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvexal {
namespace {

// The length of the UTF-8 sequence that starts at text[at] (RFC 3629: no
// overlong forms, no surrogates, nothing past U+10FFFF), or 0 when the bytes
// there are not one: a site name from a file in another encoding.
std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    // The second byte's range, narrower after E0, ED, F0 and F4.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length > 1 && (byte(at + 1) < low || byte(at + 1) > high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8Length(text, at);
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (length == 0) {
            quoted += "\\ufffd";
        } else if (c == '"' || c == '\\') {
            quoted += {'\\', text[at]};
        } else if (c < 0x20) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += text.substr(at, length);
        }
        at += std::max<std::size_t>(length, 1);
    }
    return quoted + "\"";
}

std::string QuotedOrNull(const std::optional<std::string>& text)
{
    return text ? Quoted(*text) : "null";
}

std::string JsonNumber(std::optional<double> value, int decimals)
{
    if (!value || !std::isfinite(*value)) {
        return "null";
    }
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, *value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, *value);
    return text;
}

}  // namespace orvexal
