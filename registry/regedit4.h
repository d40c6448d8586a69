// The registry editor's "REGEDIT4" text format, the plain subset the registry
// class writes (string, binary and 32-bit number values, one line each) and
// reads (the same plus key and value deletions). Lines end in CR LF; text is
// 8-bit ANSI. Names and values are written as they are, without escapes, and
// the reader drops every double quote: a value holding a double quote or a
// backslash does not travel unchanged, which the file's users accept.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kRegedit4Header = "REGEDIT4";
inline constexpr const char* kRegedit4LineEnd = "\r\n";

// ---- writing ----

// "[" + path + "]"; the path is expected with its root written long.
std::string Regedit4KeyLine(const std::string& path);
// @="value"
std::string Regedit4DefaultValueLine(const std::string& value);
// "name"="value"
std::string Regedit4StringLine(const std::string& name, const std::string& value);
// "name"=hex:01,AB,FF from binary text such as " 01 AB FF" (trimmed here);
// empty binary text gives "name"=hex:
std::string Regedit4BinaryLine(const std::string& name, const std::string& binText);
// "name"=dword:0000001F
std::string Regedit4DwordLine(const std::string& name, std::uint32_t value);

// ---- reading ----

// One registry change that a file asks for, in file order.
struct RegImportStep {
    enum class Action { KillKey, KillValue, WriteString, WriteBinary, WriteDWORD };
    Action action = Action::WriteString;
    std::string path;  // the key, as written in the file
    std::string name;  // the value name, spaces before the "=" kept
    std::string data;  // string data, or the binary text for WriteBinary
    std::uint32_t number = 0;  // the number for WriteDWORD
};

// Cuts text into lines at every CR LF; a text ending in CR LF gives a last,
// empty line. A lone LF or CR is ordinary text.
std::vector<std::string> SplitAtCrLf(const std::string& text);

// Reads a whole file's text into the changes it asks for. False (and no step)
// when the first line, upper-cased, is not exactly "REGEDIT4".
//
// Every later line loses its leading and trailing spaces and then every double
// quote. "[path]" opens a key block, "[-path]" deletes that key (no block
// follows it). In a block, lines that are empty, start with ";" or hold no "="
// are skipped (so are the continuation lines of a value written over several
// lines); lines before the first key line are ignored. A value line's name is
// the text before the first "=", its data the text up to the second "=".
// Data "-" deletes the value; "hex:" data is binary with "," read as a
// space; "dword:" data is a hexadecimal number; anything else is a string, and
// "@" with empty data also deletes the default value after writing it.
bool ParseRegedit4(const std::string& fileText, std::vector<RegImportStep>& steps);
