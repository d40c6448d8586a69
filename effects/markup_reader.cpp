#include "effects/markup_reader.h"

#include <limits>
#include <stdexcept>
#include <unordered_map>

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

// Formats are looked up by their font name's address: every name in a store is
// interned, so equal names share one address and a lookup never reads a long
// name again.
struct FormatKey {
    const char* font;
    std::size_t fontLength;
    double size;
    std::uint32_t color;
    unsigned styles;
    bool operator==(const FormatKey&) const = default;
};

struct FormatKeyHash {
    std::size_t operator()(const FormatKey& k) const {
        std::size_t h = std::hash<const void*>()(k.font);
        for (std::size_t v : {k.fontLength, std::size_t(k.color), std::size_t(k.styles), std::hash<double>()(k.size)})
            h = h * 1000003u ^ v;
        return h;
    }
};

}  // namespace

FormattedRun RunList::operator[](std::size_t i) const {
    const MarkupStore::Span& span = store_->spans[i];
    const std::size_t start = i == 0 ? 0 : store_->spans[i - 1].end;
    return {store_->formats[span.format], std::string_view(store_->text).substr(start, span.end - start)};
}

const std::vector<CharFormat>& RunList::Formats() const {
    static const std::vector<CharFormat> none;
    return store_ ? store_->formats : none;
}

class RunBuilder {
public:
    RunBuilder() : store_(std::make_shared<MarkupStore>()) {}

    // The store's copy of `name`, so formats can point at it.
    std::string_view Intern(std::string&& name) { return *store_->fontNames.insert(std::move(name)).first; }

    void Append(std::string_view text, const CharFormat& format) {
        if (text.empty()) return;
        if (store_->text.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("markup too long");
        const std::uint32_t index = IndexOf(format);
        store_->text.append(text);
        const auto end = static_cast<std::uint32_t>(store_->text.size());
        if (!store_->spans.empty() && store_->spans.back().format == index) store_->spans.back().end = end;
        else store_->spans.push_back({index, end});
    }

    RenderedMarkup Finish(const CharFormat& endFormat) {
        RenderedMarkup out;
        out.length = store_->text.size();
        out.endFormat = endFormat;
        out.runs.store_ = std::move(store_);
        return out;
    }

private:
    std::uint32_t IndexOf(const CharFormat& f) {
        const unsigned styles = (f.bold ? 1u : 0u) | (f.italic ? 2u : 0u) | (f.underline ? 4u : 0u) |
                                (f.strikeThru ? 8u : 0u);
        const FormatKey key{f.fontName.data(), f.fontName.size(), f.fontSize, f.color, styles};
        const auto [it, added] = index_.try_emplace(key, static_cast<std::uint32_t>(store_->formats.size()));
        if (added) store_->formats.push_back(f);
        return it->second;
    }

    std::shared_ptr<MarkupStore> store_;
    std::unordered_map<FormatKey, std::uint32_t, FormatKeyHash> index_;
};

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

namespace {

void ApplyTag(MarkupTag&& tag, CharFormat& format, RunBuilder& builder) {
    switch (tag.effect) {
        case TagEffect::None: break;
        case TagEffect::Bold: format.bold = tag.on; break;
        case TagEffect::Italic: format.italic = tag.on; break;
        case TagEffect::Underline: format.underline = tag.on; break;
        case TagEffect::StrikeThru: format.strikeThru = tag.on; break;
        case TagEffect::Color: format.color = tag.color; break;
        case TagEffect::FontName: format.fontName = builder.Intern(std::move(tag.fontName)); break;
    }
}

}  // namespace

RenderedMarkup ReadMarkup(std::string_view markup) {
    RunBuilder builder;
    CharFormat format;
    format.fontName = builder.Intern("Arial");
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
        ApplyTag(ReadTag(markup.substr(open + 1, close - open - 1)), format, builder);
        i = close + 1;
    }
    return builder.Finish(format);
}
