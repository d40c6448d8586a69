#include "designs/art_text.h"

#include "ui/utf8.h"

namespace {

constexpr std::size_t kMaxPath = 259;       // characters before the closing NUL
constexpr std::size_t kMaxComponent = 255;  // one file name within a folder

std::string UpperAscii(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

// A digit the system accepts after COM and LPT: 0-9 and the superscripts one,
// two and three, as one Windows-1252 byte or as their two-byte UTF-8 form, so
// the check holds whichever encoding the name arrives in.
bool IsPortDigit(const std::string& digit) {
    const auto superscript = [](unsigned char ch) { return ch == 0xB9 || ch == 0xB2 || ch == 0xB3; };
    if (digit.size() == 1)
        return (digit[0] >= '0' && digit[0] <= '9') || superscript(static_cast<unsigned char>(digit[0]));
    return digit.size() == 2 && static_cast<unsigned char>(digit[0]) == 0xC2 &&
           superscript(static_cast<unsigned char>(digit[1]));
}

// The names the system keeps for devices; a file named so (with any extension,
// trailing spaces and dots ignored) opens the device instead of a file.
bool IsDeviceName(const std::string& fileName) {
    std::string base = fileName.substr(0, fileName.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    base = UpperAscii(base);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices)
        if (base == device) return true;
    return base.size() > 3 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           IsPortDigit(base.substr(3));
}

}  // namespace

std::string DesignsFolder(const std::string& appFolder) { return appFolder + "\\Designs"; }

std::string DesignFilePath(const std::string& appFolder, const std::string& name) {
    return DesignsFolder(appFolder) + "\\" + name + ".rtf";
}

bool IsUsableDesignName(const std::string& appFolder, const std::string& name) {
    for (unsigned char ch : name) {
        if (ch < 32) return false;
        switch (ch) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return false;
        }
    }
    const std::string fileName = name + ".rtf";
    // The limits count UTF-16 units, as the file system does.
    if (Utf16FromUtf8(fileName).size() > kMaxComponent) return false;
    if (IsDeviceName(fileName)) return false;
    return Utf16FromUtf8(DesignFilePath(appFolder, name)).size() <= kMaxPath;
}

bool IsSafeDesignRow(const std::string& appFolder, const std::string& row) {
    return IsUsableDesignName(appFolder, row);
}

std::optional<std::string> DesignRowPath(const std::string& appFolder, const std::string& row) {
    if (!IsSafeDesignRow(appFolder, row)) return std::nullopt;
    return DesignFilePath(appFolder, row);
}

std::vector<std::string> SplitDesignLines(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find("\r\n", from);
        if (at == std::string::npos) {
            lines.push_back(text.substr(from));
            return lines;
        }
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
}
