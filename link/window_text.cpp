#include "link/window_text.h"

std::string StripNull(std::string& text) {
    const auto nul = text.find('\0');
    if (nul != std::string::npos) text.erase(nul);
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAnsi(a) == LowerAnsi(b);
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return LowerAnsi(text).find(LowerAnsi(part)) != std::string::npos;
}

std::string WideCopySafeBuffer(const std::string& text) {
    std::string buffer = text;
    // Pad so that bytes [n, n+1] are zero for the first even n at or after
    // the end of the text.
    buffer.append(buffer.size() % 2 == 0 ? 2 : 3, '\0');
    return buffer;
}
