#include "ui/rich_text_box_win.h"

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/files_win.h"
#include "ui/rtf_mend.h"
#include "ui/window_util_win.h"

namespace {

struct InStream {
    const std::string* data;
    std::size_t pos;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* in = reinterpret_cast<InStream*>(cookie);
    std::size_t left = in->data->size() - in->pos;
    std::size_t n = left < static_cast<std::size_t>(wanted) ? left : static_cast<std::size_t>(wanted);
    std::memcpy(buffer, in->data->data() + in->pos, n);
    in->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteToString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* out = reinterpret_cast<std::string*>(cookie);
    out->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    *done = count;
    return 0;
}

bool IsRtf(const std::string& s) { return s.rfind("{\\rtf", 0) == 0; }

// The box's characters: with CR LF line breaks as Text() shows them, or as the
// control holds them (a break is the single character CR), which maps its
// positions to ours.
std::wstring ReadText(HWND hwnd, bool crlf) {
    GETTEXTLENGTHEX len{static_cast<DWORD>((crlf ? GTL_USECRLF : 0) | GTL_PRECISE | GTL_NUMCHARS), 1200};
    LRESULT chars = SendMessageW(hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
    if (chars <= 0) return {};
    std::wstring buf(static_cast<std::size_t>(chars) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    get.flags = crlf ? GT_USECRLF : GT_DEFAULT;
    get.codepage = 1200;
    LRESULT n = SendMessageW(hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return buf;
}

// Plain text as the control streams it in with SF_UNICODE: UTF-16 bytes.
std::string Utf16Bytes(const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

}  // namespace

void RichTextBox::LoadLibraryOnce() {
    static HMODULE module = LoadLibraryW(L"riched20.dll");
    (void)module;
}

HWND RichTextBox::Create(HWND parent, int id, DWORD style, int x, int y, int w, int h) {
    LoadLibraryOnce();
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20W", L"", style | WS_CHILD, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

void RichTextBox::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (!hwnd_) return;
    SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    // Base format: Arial 10 points, plain, black. Without it the control writes
    // its text in the "System" font, bold.
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR |
                CFM_CHARSET;
    cf.yHeight = 200;
    cf.bCharSet = DEFAULT_CHARSET;
    cf.crTextColor = 0;
    lstrcpynW(cf.szFaceName, WideFromUtf8(baseFont_).c_str(), LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

std::string RichTextBox::Text() const { return hwnd_ ? Utf8FromWide(ReadText(hwnd_, true)) : std::string(); }

void RichTextBox::StreamIn(const std::string& given, DWORD flags) {
    std::string stated;
    const std::string* data = &given;
    if (flags & SF_RTF) data = &(stated = StateCodePage(given));
    InStream in{data, 0};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&in), 0, ReadFromString};
    SendMessageW(hwnd_, EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&es));
}

std::string RichTextBox::StreamOut(DWORD flags) const {
    std::string out;
    if (!hwnd_) return out;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, WriteToString};
    SendMessageW(hwnd_, EM_STREAMOUT, flags, reinterpret_cast<LPARAM>(&es));
    if (!(flags & SF_RTF)) return out;
    // The control writes a character its code page lacks as a look-alike when
    // it knows one ("G" for a Gamma, "8" for infinity, under a Greek system the
    // tonos for the acute accent): every RTF that leaves a box is checked
    // against the box's own characters, so what is sent or saved is what the
    // box holds, whatever the system's code page. And it names its code page,
    // so that no reader takes its own system's instead.
    const std::wstring whole = ReadText(hwnd_, false);
    std::u16string_view text(reinterpret_cast<const char16_t*>(whole.data()), whole.size());
    if (flags & SFF_SELECTION) {
        CHARRANGE cr{};
        SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        const auto at = [&](LONG cp) { return cp < 0 ? text.size() : std::min<std::size_t>(cp, text.size()); };
        const std::size_t from = at(std::max(cr.cpMin, 0L)), to = std::max(from, at(cr.cpMax));
        text = text.substr(from, to - from);
    }
    return StateCodePage(MendRtfText(out, text));
}

void RichTextBox::SetText(const std::string& text) {
    if (!hwnd_) return;
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    cf.yHeight = 200;
    lstrcpynW(cf.szFaceName, WideFromUtf8(baseFont_).c_str(), LF_FACESIZE);
    // Empty the box and give the insertion point the base format first: the
    // text streamed in then takes it, and the control lays the text out once
    // instead of again for a format applied to all of it afterwards.
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SETTEXTEX empty{ST_DEFAULT, 1200};
    SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&empty), reinterpret_cast<LPARAM>(L""));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    StreamIn(Utf16Bytes(text), SF_TEXT | SF_UNICODE);
    SendMessageW(hwnd_, EM_SETSEL, 0, 0);
}

std::string RichTextBox::TextRTF() const { return StreamOut(SF_RTF); }

void RichTextBox::SetTextRTF(const std::string& rtf) {
    if (!hwnd_) return;
    if (!IsRtf(rtf)) {
        SetText(rtf);
        return;
    }
    StreamIn(rtf, SF_RTF);
    SendMessageW(hwnd_, EM_SETSEL, 0, 0);
}

std::string RichTextBox::SelRTF() const { return StreamOut(SF_RTF | SFF_SELECTION); }

void RichTextBox::SetSelRTF(const std::string& rtf) {
    if (!hwnd_) return;
    if (IsRtf(rtf))
        StreamIn(rtf, SF_RTF | SFF_SELECTION);
    else
        SetSelText(rtf);
}


long RichTextBox::ToControl(long textPos) const {
    if (textPos <= 0) return 0;
    const std::wstring raw = ReadText(hwnd_, false);
    long t = 0;
    long c = 0;
    for (; c < static_cast<long>(raw.size()) && t < textPos; ++c) t += raw[static_cast<std::size_t>(c)] == '\r' ? 2 : 1;
    if (t < textPos) c += textPos - t;  // past the end: the control clamps it
    return c;
}

long RichTextBox::FromControl(long controlPos) const {
    if (controlPos <= 0) return 0;
    const std::wstring raw = ReadText(hwnd_, false);
    long t = 0;
    for (long c = 0; c < controlPos && c < static_cast<long>(raw.size()); ++c)
        t += raw[static_cast<std::size_t>(c)] == '\r' ? 2 : 1;
    return t;
}

long RichTextBox::Length() const {
    if (!hwnd_) return 0;
    GETTEXTLENGTHEX len{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    return static_cast<long>(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
}

long RichTextBox::SelStart() const {
    CHARRANGE cr{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return FromControl(cr.cpMin);
}

long RichTextBox::SelLength() const {
    CHARRANGE cr{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return FromControl(cr.cpMax) - FromControl(cr.cpMin);
}

void RichTextBox::Select(long start, long length) {
    if (!hwnd_) return;
    if (start < 0) start = 0;
    if (length < 0) length = 0;
    CHARRANGE cr{ToControl(start), ToControl(start + length)};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void RichTextBox::SelectInControl(long first, long last) {
    CHARRANGE cr{first, last};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void RichTextBox::SetSelStart(long start) { Select(start, 0); }

void RichTextBox::SetSelLength(long length) { Select(SelStart(), length); }

std::string RichTextBox::SelText() const {
    if (!hwnd_) return {};
    const std::wstring text = ReadText(hwnd_, true);
    std::size_t start = static_cast<std::size_t>(SelStart());
    if (start >= text.size()) return {};
    return Utf8FromWide(std::wstring_view(text).substr(start, static_cast<std::size_t>(SelLength())));
}

void RichTextBox::SetSelText(const std::string& text) {
    if (!hwnd_) return;
    SETTEXTEX st{ST_SELECTION | ST_KEEPUNDO, 1200};
    if (IsRtf(text)) {
        // Text that merely looks like RTF is still plain text here.
        StreamIn(Utf16Bytes(text), SF_TEXT | SF_UNICODE | SFF_SELECTION);
        return;
    }
    const std::wstring wide = WideFromUtf8(text);
    SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), reinterpret_cast<LPARAM>(wide.c_str()));
}

void RichTextBox::ApplyCharFormat(const CHARFORMAT2W& cf) const {
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

CHARFORMAT2W RichTextBox::SelCharFormat(DWORD mask) const {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = mask;
    SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

static CHARFORMAT2W EffectFormat(DWORD mask, DWORD effect, bool on) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = mask;
    cf.dwEffects = on ? effect : 0;
    return cf;
}

void RichTextBox::SetSelBold(bool on) { ApplyCharFormat(EffectFormat(CFM_BOLD, CFE_BOLD, on)); }
void RichTextBox::SetSelItalic(bool on) { ApplyCharFormat(EffectFormat(CFM_ITALIC, CFE_ITALIC, on)); }
void RichTextBox::SetSelUnderline(bool on) { ApplyCharFormat(EffectFormat(CFM_UNDERLINE, CFE_UNDERLINE, on)); }
void RichTextBox::SetSelStrikeThru(bool on) { ApplyCharFormat(EffectFormat(CFM_STRIKEOUT, CFE_STRIKEOUT, on)); }

void RichTextBox::SetSelColor(COLORREF color) {
    CHARFORMAT2W cf = EffectFormat(CFM_COLOR, 0, false);
    cf.crTextColor = color;
    ApplyCharFormat(cf);
}

void RichTextBox::SetSelFontName(const std::string& name) {
    CHARFORMAT2W cf = EffectFormat(CFM_FACE, 0, false);
    lstrcpynW(cf.szFaceName, WideFromUtf8(name).c_str(), LF_FACESIZE);
    ApplyCharFormat(cf);
}

void RichTextBox::SetSelFontSize(double points) {
    CHARFORMAT2W cf = EffectFormat(CFM_SIZE, 0, false);
    cf.yHeight = static_cast<LONG>(points * 20 + 0.5);
    ApplyCharFormat(cf);
}

bool RichTextBox::SelBold() const { return SelCharFormat(CFM_BOLD).dwEffects & CFE_BOLD; }
bool RichTextBox::SelItalic() const { return SelCharFormat(CFM_ITALIC).dwEffects & CFE_ITALIC; }
bool RichTextBox::SelUnderline() const { return SelCharFormat(CFM_UNDERLINE).dwEffects & CFE_UNDERLINE; }
bool RichTextBox::SelStrikeThru() const { return SelCharFormat(CFM_STRIKEOUT).dwEffects & CFE_STRIKEOUT; }

COLORREF RichTextBox::SelColor() const {
    CHARFORMAT2W cf = SelCharFormat(CFM_COLOR);
    return (cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
}

std::string RichTextBox::SelFontName() const { return Utf8FromWide(SelCharFormat(CFM_FACE).szFaceName); }

double RichTextBox::SelFontSize() const { return SelCharFormat(CFM_SIZE).yHeight / 20.0; }

void RichTextBox::SetFontName(const std::string& name) {
    baseFont_ = name;
    if (!hwnd_) return;
    CHARFORMAT2W cf = EffectFormat(CFM_FACE, 0, false);
    lstrcpynW(cf.szFaceName, WideFromUtf8(name).c_str(), LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

// The files go through C stdio: the C++ stream classes would bring the
// library's whole locale machinery into the exe, most of its size.
bool RichTextBox::LoadFile(const std::string& path) {
    std::FILE* in = _wfopen(WideFromUtf8(path).c_str(), L"rb");
    if (!in) return false;
    std::string data;
    char chunk[16384];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) data.append(chunk, n);
    const bool readWhole = !std::ferror(in);
    std::fclose(in);
    if (!readWhole || !IsRtf(data)) return false;
    StreamIn(data, SF_RTF);
    SendMessageW(hwnd_, EM_SETSEL, 0, 0);
    return true;
}

bool RichTextBox::SaveFile(const std::string& path) const {
    // Through a temporary file: a full disk or a failed write keeps the old file.
    return ReplaceFileContent(path, TextRTF());
}
