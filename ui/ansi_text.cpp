#include "ui/ansi_text.h"

#include "ui/utf8.h"

std::string LowerAnsi(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        if (!d.valid) {
            out.append(text.substr(at, d.length));
        } else {
            char32_t c = d.value;
            // À..Þ except the multiplication sign, and Š, Œ, Ž, Ÿ.
            if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
            else if (c == 0x160 || c == 0x152 || c == 0x17D) c += 1;
            else if (c == 0x178) c = 0xFF;
            AppendUtf8(out, c);
        }
        at += d.length;
    }
    return out;
}
