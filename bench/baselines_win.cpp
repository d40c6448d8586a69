#include "bench/baselines_win.h"

#include <windows.h>
#include <richedit.h>

#include <vector>

#include "designs/art_fade.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "ui/utf8.h"

namespace {

void ApplyTagToSelection(RichTextBox& box, const MarkupTag& tag) {
    switch (tag.effect) {
        case TagEffect::None: break;
        case TagEffect::Bold: box.SetSelBold(tag.on); break;
        case TagEffect::Italic: box.SetSelItalic(tag.on); break;
        case TagEffect::Underline: box.SetSelUnderline(tag.on); break;
        case TagEffect::StrikeThru: box.SetSelStrikeThru(tag.on); break;
        case TagEffect::Color: box.SetSelColor(tag.color); break;
        case TagEffect::FontName: box.SetSelFontName(tag.fontName); break;
    }
}

}  // namespace

void MarkupToRichCharByChar(RichTextBox& box, const std::string& markup) {
    box.SetSelStart(0);
    box.SetFontName("Arial");
    box.SetSelFontSize(10);
    box.SetSelBold(false);
    box.SetSelItalic(false);
    box.SetSelUnderline(false);
    box.SetSelStrikeThru(false);
    box.SetSelColor(0);
    box.SetText("");

    long position = 0;  // the end of the content, as the box's text counts it
    bool afterCr = false;
    const std::size_t length = markup.size();
    for (std::size_t i = 0; i < length; ++i) {
        const char ch = markup[i];
        // The output position is always the end of the content, so the one
        // character selected there is the empty insertion point.
        box.SetSelStart(position);
        const std::size_t close = ch == '<' ? markup.find('>', i + 1) : std::string::npos;
        if (close == std::string::npos) {
            // An ordinary character, or a "<" that no ">" closes: appended as text.
            // The box keeps a line break as one character where its text shows
            // CR LF. So a CR LF pair is appended as the one character it becomes,
            // and an LF right after an appended CR (a tag may stand between them)
            // only completes that break; appended apart, it would make a second.
            if (ch == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            // One whole character: the box counts one outside the BMP as two.
            const DecodedCodePoint character = DecodeUtf8(markup, i);
            std::string piece = markup.substr(i, character.length);
            i += character.length - 1;
            if (ch == '\r' && i + 1 < length && markup[i + 1] == '\n') {
                piece += '\n';
                ++i;
            }
            afterCr = piece == "\r";
            // Wine starts text appended after a line break in the box's base format, not the one in force
            // at the insertion point: that one is stated again (tests/win/markup_to_rich_test.cpp names it).
            CHARFORMAT2W inForce{};
            inForce.cbSize = sizeof(inForce);
            SendMessageW(box.Hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&inForce));
            box.SetSelText(box.SelText() + piece);
            position += (ch == '\r' || ch == '\n' || character.value > 0xFFFF) ? 2 : 1;
            box.SetSelStart(position);
            if (ch == '\r' || ch == '\n')
                SendMessageW(box.Hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&inForce));
            continue;
        }
        const MarkupTag tag = ReadTag(std::string_view(markup).substr(i + 1, close - i - 1));
        i = close;
        box.SetSelStart(position);
        ApplyTagToSelection(box, tag);
    }
}

void ApplyArtFadePerCharacter(RichTextBox& box, std::int32_t startColor, std::int32_t endColor) {
    // Where each character as a person counts it starts, in the box's UTF-16 positions.
    const std::string text = box.Text();
    std::vector<long> at{0};
    std::size_t from = 0;
    for (std::size_t end : CharacterEnds(text)) {
        at.push_back(at.back() + static_cast<long>(Utf16FromUtf8(std::string_view(text).substr(from, end - from)).size()));
        from = end;
    }
    const std::vector<std::uint32_t> colors = ArtFadeColors(startColor, endColor, static_cast<long>(at.size()) - 1);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        box.Select(at[i], at[i + 1] - at[i]);
        box.SetSelColor(static_cast<COLORREF>(colors[i]));
    }
    box.Select(0, 0);
}
