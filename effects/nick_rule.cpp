#include "effects/nick_rule.h"

#include "effects/rtf_writer.h"
#include "ui/utf8.h"

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

static std::string EscapeRtfText(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t at = 0; at < s.size();) {
        const DecodedCodePoint d = DecodeUtf8(s, at);
        AppendRtfCharacter(out, d.value);
        at += d.length;
    }
    return out;
}

std::string ReplaceNickInRtf(const std::string& rtf, const std::string& nick) {
    return ReplaceAll(rtf, kNickPlaceholder, EscapeRtfText(nick));
}

std::string ApplyChosenNick(const std::string& rtf, const std::string& label3Caption) {
    if (label3Caption == kNoNick) return rtf;
    return ReplaceNickInRtf(rtf, label3Caption);
}
