// Reads back what a real rich edit box shows: every character with its format,
// so tests can compare two boxes, or a box with what it should hold.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <ostream>
#include <string>
#include <vector>

struct ProbedFormat {
    std::string face;
    LONG twips = 0;  // size in twentieths of a point
    bool bold = false, italic = false, underline = false, strike = false, autoColor = false;
    COLORREF color = 0;
    bool operator==(const ProbedFormat&) const = default;
};

struct ProbedChar {
    char16_t ch = 0;  // one UTF-16 unit; a line break shows as the control's one character '\r'
    ProbedFormat format;
    bool operator==(const ProbedChar&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const ProbedFormat& f) {
    return os << f.face << ' ' << f.twips << "tw " << (f.bold ? 'B' : '-') << (f.italic ? 'I' : '-')
              << (f.underline ? 'U' : '-') << (f.strike ? 'S' : '-') << " color " << std::hex << f.color << std::dec
              << (f.autoColor ? " auto" : "");
}
inline std::ostream& operator<<(std::ostream& os, const ProbedChar& c) { return os << "U+" << std::hex << static_cast<unsigned>(c.ch) << std::dec << ' ' << c.format; }

inline ProbedFormat ProbeSelectionFormat(HWND box) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    const DWORD e = cf.dwEffects;
    const bool autoColor = (e & CFE_AUTOCOLOR) != 0;
    return {cf.szFaceName, cf.yHeight, (e & CFE_BOLD) != 0, (e & CFE_ITALIC) != 0, (e & CFE_UNDERLINE) != 0,
            (e & CFE_STRIKEOUT) != 0, autoColor, autoColor ? 0 : cf.crTextColor};
}

// Every UTF-16 unit with its format. Moves the selection.
inline std::vector<ProbedChar> ProbeCharacters(HWND box) {
    // The window text counts a line break as CR LF, so it is room enough.
    std::u16string raw(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, u'\0');
    GETTEXTEX get{static_cast<DWORD>(raw.size() * 2), GT_DEFAULT, 1200, nullptr, nullptr};
    const LRESULT n =
        SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(raw.data()));
    raw.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::vector<ProbedChar> out;
    for (LONG k = 0; k < static_cast<LONG>(raw.size()); ++k) {
        CHARRANGE cr{k, k + 1};
        SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        out.push_back({raw[static_cast<std::size_t>(k)], ProbeSelectionFormat(box)});
    }
    return out;
}
