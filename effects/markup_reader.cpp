#include "effects/markup_reader.h"

#include "effects/hex_digits.h"
#include "ui/ansi_text.h"

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Colour tag: up to six characters after the first "#" (or from the start of
// the content when there is none), read as red, green and blue pairs. A short
// or non-hexadecimal tail simply reads as zero digits.
std::uint32_t ColorFromTag(std::string_view content) {
    const std::size_t hash = content.find('#');
    const std::size_t from = hash == std::string_view::npos ? 0 : hash + 1;
    const std::string_view digits = content.substr(from, 6);
    auto pair = [&](std::size_t at) {
        return at < digits.size() ? static_cast<std::uint32_t>(HexToNum(digits.substr(at, 2))) : 0u;
    };
    return pair(0) + 256u * pair(2) + 65536u * pair(4);
}

// Face tag: the text after the first double quote, or the whole content when
// there is none. A second quote closes the name and is not part of it, so
// <font face="Verdana"> names verdana.
std::string FaceFromTag(std::string_view content) {
    const std::size_t quote = content.find('"');
    std::string_view name = quote == std::string_view::npos ? content : content.substr(quote + 1);
    const std::size_t closing = name.find('"');
    if (closing != std::string_view::npos) name = name.substr(0, closing);
    return std::string(name);
}

class RunBuilder {
public:
    explicit RunBuilder(RenderedMarkup& out) : out_(out) {}

    void Append(std::string_view text, const CharFormat& format) {
        if (text.empty()) return;
        if (out_.runs.empty() || !(out_.runs.back().format == format))
            out_.runs.push_back(FormattedRun{format, std::string()});
        out_.runs.back().text.append(text);
        out_.length += text.size();
    }

private:
    RenderedMarkup& out_;
};

}  // namespace

MarkupTag ReadTag(std::string_view rawContent) {
    const std::string content = LowerAnsi(rawContent);
    MarkupTag tag;
    auto style = [&](TagEffect effect, bool on) {
        tag.effect = effect;
        tag.on = on;
    };
    if (content == "u") style(TagEffect::Underline, true);
    else if (content == "/u") style(TagEffect::Underline, false);
    else if (content == "s") style(TagEffect::StrikeThru, true);
    else if (content == "/s") style(TagEffect::StrikeThru, false);
    else if (content == "b") style(TagEffect::Bold, true);
    else if (content == "/b") style(TagEffect::Bold, false);
    else if (content == "i") style(TagEffect::Italic, true);
    else if (content == "/i") style(TagEffect::Italic, false);
    if (StartsWith(content, "font color")) {
        tag.effect = TagEffect::Color;
        tag.color = ColorFromTag(content);
    }
    if (StartsWith(content, "font face")) {
        tag.effect = TagEffect::FontName;
        tag.fontName = FaceFromTag(content);
    }
    return tag;
}

void ApplyTag(const MarkupTag& tag, CharFormat& format) {
    switch (tag.effect) {
        case TagEffect::None: break;
        case TagEffect::Bold: format.bold = tag.on; break;
        case TagEffect::Italic: format.italic = tag.on; break;
        case TagEffect::Underline: format.underline = tag.on; break;
        case TagEffect::StrikeThru: format.strikeThru = tag.on; break;
        case TagEffect::Color: format.color = tag.color; break;
        case TagEffect::FontName: format.fontName = tag.fontName; break;
    }
}

RenderedMarkup ReadMarkup(std::string_view markup) {
    RenderedMarkup out;
    RunBuilder builder(out);
    CharFormat format;
    std::size_t i = 0;
    while (i < markup.size()) {
        const std::size_t open = markup.find('<', i);
        if (open == std::string_view::npos) {
            builder.Append(markup.substr(i), format);
            break;
        }
        builder.Append(markup.substr(i, open - i), format);
        const std::size_t close = markup.find('>', open + 1);
        if (close == std::string_view::npos) {
            // No tag can close any more: the "<" and all after it are text.
            builder.Append(markup.substr(open), format);
            break;
        }
        ApplyTag(ReadTag(markup.substr(open + 1, close - open - 1)), format);
        i = close + 1;
    }
    out.endFormat = format;
    return out;
}
