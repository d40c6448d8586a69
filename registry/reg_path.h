// Registry paths as the registry class takes them: one text whose head is a
// root key, written long ("HKEY_CURRENT_USER\Software\...") or as a four-letter
// abbreviation ("HKCU\Software\..."), letter case ignored.
#pragma once
#include <string>

// The predefined root keys. None stands for a root text that names no root:
// the Win32 layer turns it into the handle 0, on which every call fails.
enum class RegRoot {
    None,
    ClassesRoot,      // HKCR
    CurrentUser,      // HKCU
    LocalMachine,     // HKLM
    Users,            // HKUS
    PerformanceData,  // HKPD
    CurrentConfig,    // HKCC
    DynData,          // HKDD
};

struct RegPath {
    std::string rootText;  // the four letters (or the whole path) that chose the root
    RegRoot root = RegRoot::None;
    std::string subkey;    // everything after the first "\", trailing "\" kept
};

// Replaces every occurrence of `from` in `text` by `to`, ASCII letter case
// ignored, scanning left to right without looking again at inserted text.
std::string ReplaceIgnoringCase(const std::string& text, const std::string& from,
                                const std::string& to);

// Every long root name anywhere in the path becomes its abbreviation
// ("HKEY_CURRENT_USER" -> "HKCU", ...), also inside the subkey.
std::string ShortenRootNames(const std::string& path);

// The reverse, used when writing registry editor files: every abbreviation
// anywhere in the path becomes the long name ("HKCU" -> "HKEY_CURRENT_USER").
std::string LengthenRootNames(const std::string& path);

// Splits a path into its root and subkey. With a "\" the root text is the first
// four characters (upper-cased) whatever follows them, and the subkey is the
// rest after the first "\"; without one the whole path is the root text and the
// subkey is empty (the root key itself).
RegPath ParseRegPath(const std::string& path);

// The root that an upper-case root text names, None for anything else.
RegRoot RootFromText(const std::string& rootText);

// Upper-cases ASCII letters only: registry text is 8-bit ANSI and the root
// names are plain ASCII.
std::string AsciiUpper(std::string text);
