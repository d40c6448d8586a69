// Reads back what a real rich edit box shows: each character with its format,
// and the format waiting at the insertion point. Used by the effects tests and
// the benchmark to compare two boxes character by character.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <string>
#include <vector>

struct ProbedFormat {
    std::string face;
    LONG twips = 0;  // size in twentieths of a point
    bool bold = false, italic = false, underline = false, strike = false;
    bool autoColor = false;
    COLORREF color = 0;

    bool operator==(const ProbedFormat&) const = default;
    std::string Describe() const {
        char buf[160];
        std::snprintf(buf, sizeof(buf), "%s %ldtw %s%s%s%s color=%06lx%s", face.c_str(), static_cast<long>(twips),
                      bold ? "B" : "-", italic ? "I" : "-", underline ? "U" : "-", strike ? "S" : "-",
                      static_cast<unsigned long>(color), autoColor ? " auto" : "");
        return buf;
    }
};

struct ProbedChar {
    char ch = 0;  // a line break shows as the control's one character '\r'
    ProbedFormat format;
};

inline ProbedFormat ProbeSelectionFormat(HWND box) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    ProbedFormat f;
    f.face = cf.szFaceName;
    f.twips = cf.yHeight;
    f.bold = (cf.dwEffects & CFE_BOLD) != 0;
    f.italic = (cf.dwEffects & CFE_ITALIC) != 0;
    f.underline = (cf.dwEffects & CFE_UNDERLINE) != 0;
    f.strike = (cf.dwEffects & CFE_STRIKEOUT) != 0;
    f.autoColor = (cf.dwEffects & CFE_AUTOCOLOR) != 0;
    f.color = f.autoColor ? 0 : cf.crTextColor;
    return f;
}

// The control's own characters (a line break is one '\r'), 8-bit ANSI.
inline std::string ProbeRawText(HWND box) {
    GETTEXTLENGTHEX len{GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT bytes = SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
    if (bytes <= 0) return {};
    std::vector<char> buf(static_cast<std::size_t>(bytes) + 2);
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(buf.size());
    get.flags = GT_DEFAULT;
    get.codepage = CP_ACP;
    const LRESULT n = SendMessageA(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(buf.data()));
    return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

// Every character with its format. Moves the selection; callers that care about
// the insertion point read it first (ProbeInsertionFormat).
inline std::vector<ProbedChar> ProbeCharacters(HWND box) {
    const std::string raw = ProbeRawText(box);
    std::vector<ProbedChar> out;
    out.reserve(raw.size());
    for (LONG k = 0; k < static_cast<LONG>(raw.size()); ++k) {
        CHARRANGE cr{k, k + 1};
        SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        out.push_back({raw[static_cast<std::size_t>(k)], ProbeSelectionFormat(box)});
    }
    return out;
}

// The format at the current selection when it is an empty one, without moving it.
inline ProbedFormat ProbeInsertionFormat(HWND box) { return ProbeSelectionFormat(box); }

inline CHARRANGE ProbeSelection(HWND box) {
    CHARRANGE cr{};
    SendMessageA(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return cr;
}
