#include "effects/markup_to_rich_win.h"

#include <richedit.h>

#include "effects/rtf_writer.h"
#include "ui/window_util_win.h"

void SetSelFormat(RichTextBox& box, const CharFormat& format) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    lstrcpynW(cf.szFaceName, WideFromUtf8(format.fontName).c_str(), LF_FACESIZE);
    cf.yHeight = static_cast<LONG>(format.fontSize * 20 + 0.5);
    cf.dwEffects = (format.bold ? CFE_BOLD : 0) | (format.italic ? CFE_ITALIC : 0) |
                   (format.underline ? CFE_UNDERLINE : 0) | (format.strikeThru ? CFE_STRIKEOUT : 0);
    cf.crTextColor = format.color & 0xFFFFFF;
    SendMessageW(box.Hwnd(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void RenderRuns(RichTextBox& box, const RenderedMarkup& doc) {
    if (!box.Hwnd()) return;
    // Setting the base font makes the control lay out all of its content again,
    // which costs as much as the whole render on a long text under Wine; the
    // box remembers its base font, so this is done only when it differs.
    if (box.FontName() != "Arial") box.SetFontName("Arial");
    box.SetTextRTF(WriteRtf(doc));
    // Insertion point at the end of the content. The control's own positions
    // count a line break as one character, which is what its length reports here.
    GETTEXTLENGTHEX len{GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LONG end = static_cast<LONG>(
        SendMessageW(box.Hwnd(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
    CHARRANGE cr{end, end};
    SendMessageW(box.Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    // A tag after the last character (or markup with no text at all) leaves a
    // format that no character carries; what is typed next must still get it.
    SetSelFormat(box, doc.endFormat);
}

void MarkupToRich(RichTextBox& box, const std::string& markup) {
    RenderRuns(box, ReadMarkup(markup));
}
