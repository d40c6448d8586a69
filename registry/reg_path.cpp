#include "registry/reg_path.h"

#include <array>
#include <utility>

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Long name and abbreviation, in the order the replacements are applied.
constexpr std::array<std::pair<const char*, const char*>, 7> kRootNames{{
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_USERS", "HKUS"},
    {"HKEY_PERFORMANCE_DATA", "HKPD"},
    {"HKEY_DYN_DATA", "HKDD"},
    {"HKEY_CURRENT_CONFIG", "HKCC"},
}};

// Abbreviations back to long names. No abbreviation is part of any long name,
// so a name written long is never touched.
constexpr std::array<std::pair<const char*, const char*>, 7> kAbbreviations{{
    {"HKCU", "HKEY_CURRENT_USER"},
    {"HKLM", "HKEY_LOCAL_MACHINE"},
    {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKUS", "HKEY_USERS"},
    {"HKPD", "HKEY_PERFORMANCE_DATA"},
    {"HKDD", "HKEY_DYN_DATA"},
    {"HKCC", "HKEY_CURRENT_CONFIG"},
}};

bool MatchesIgnoringCase(const std::string& text, size_t at, const std::string& what) {
    if (at + what.size() > text.size()) return false;
    for (size_t i = 0; i < what.size(); ++i)
        if (UpperAscii(text[at + i]) != UpperAscii(what[i])) return false;
    return true;
}

}  // namespace

std::string AsciiUpper(std::string text) {
    for (char& c : text) c = UpperAscii(c);
    return text;
}

std::string ReplaceIgnoringCase(const std::string& text, const std::string& from,
                                const std::string& to) {
    if (from.empty()) return text;
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (MatchesIgnoringCase(text, i, from)) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string ShortenRootNames(const std::string& path) {
    std::string out = path;
    for (const auto& [longName, shortName] : kRootNames)
        out = ReplaceIgnoringCase(out, longName, shortName);
    return out;
}

std::string LengthenRootNames(const std::string& path) {
    std::string out = path;
    for (const auto& [shortName, longName] : kAbbreviations)
        out = ReplaceIgnoringCase(out, shortName, longName);
    return out;
}

RegRoot RootFromText(const std::string& rootText) {
    if (rootText == "HKCR") return RegRoot::ClassesRoot;
    if (rootText == "HKCU") return RegRoot::CurrentUser;
    if (rootText == "HKLM") return RegRoot::LocalMachine;
    if (rootText == "HKUS") return RegRoot::Users;
    if (rootText == "HKPD") return RegRoot::PerformanceData;
    if (rootText == "HKCC") return RegRoot::CurrentConfig;
    if (rootText == "HKDD") return RegRoot::DynData;
    return RegRoot::None;
}

RegPath ParseRegPath(const std::string& path) {
    const std::string shortened = ShortenRootNames(path);
    RegPath parsed;
    const size_t slash = shortened.find('\\');
    if (slash != std::string::npos) {
        parsed.rootText = AsciiUpper(shortened.substr(0, 4));
        parsed.subkey = shortened.substr(slash + 1);
    } else {
        parsed.rootText = AsciiUpper(shortened);
    }
    parsed.root = RootFromText(parsed.rootText);
    return parsed;
}
