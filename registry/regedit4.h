// The registry editor's "REGEDIT4" text format, the subset the registry class
// writes (string, binary and 32-bit number values) and reads (the same plus
// key and value deletions). Lines end in CR LF; text is 8-bit ANSI.
//
// A file we write reads back as exactly what was exported: names and string
// data are quoted with the format's own escapes (\\ and \"), a string holding
// CR, LF or NUL goes out as hex(1) bytes (the format's form of a string that
// cannot stand on one line), and values are never cut. A key path or value
// name holding CR or LF has no form in the format: the writer refuses it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kRegedit4Header = "REGEDIT4";
inline constexpr const char* kRegedit4LineEnd = "\r\n";

// ---- writing ----

// False when `text` (a key path or a value name) holds CR or LF, which no
// line of the format can carry.
bool Regedit4CanCarry(const std::string& text);
// "[" + path + "]"; the path is expected with its root written long.
std::string Regedit4KeyLine(const std::string& path);
// @="value", or @=hex(1):... for a value holding CR, LF or NUL.
std::string Regedit4DefaultValueLine(const std::string& value);
// "name"="value", or "name"=hex(1):... as above.
std::string Regedit4StringLine(const std::string& name, const std::string& value);
// "name"=hex:01,AB,FF from the raw bytes; no bytes give "name"=hex:
std::string Regedit4BinaryLine(const std::string& name, const std::string& bytes);
// "name"=dword:0000001F
std::string Regedit4DwordLine(const std::string& name, std::uint32_t value);

// ---- reading ----

// One registry change that a file asks for, in file order.
struct RegImportStep {
    enum class Action { KillKey, KillValue, WriteString, WriteBinary, WriteDWORD };
    Action action = Action::WriteString;
    std::size_t key = 0;  // index of the key's path in RegImport::keys
    std::string name;     // the exact value name; empty for the default value
    std::string data;     // string data, or the raw bytes for WriteBinary
    std::uint32_t number = 0;  // the number for WriteDWORD
};

// Each key path is kept once, however many values its block holds, so the
// memory stays in proportion to the file.
struct RegImport {
    std::vector<std::string> keys;
    std::vector<RegImportStep> steps;
};

// Reads a whole file's text into the changes it asks for. False (and nothing
// to do) when the first line, upper-cased, is not exactly "REGEDIT4", or when
// a key line names another root key than the first key line does and
// `allowOtherHives` is false: an export covers one branch, so a file that
// reaches into another hive was not written by it.
//
// Lines lose their leading and trailing spaces. "[path]" opens a key block
// (the path runs to the line's last "]", or to its end when there is none);
// "[-path]" deletes that key. In a block, empty lines, lines starting with ";"
// and lines that are not "name=data" are skipped; lines before the first key
// line are ignored. A name is "@" (the default value) or quoted with the
// escapes above; data is "-" (delete the value), a quoted string,
// "hex:" bytes (binary), "hex(1):" bytes (a string, its final NUL dropped) or
// "dword:" eight hexadecimal digits, and a line ending in "\" continues hex
// bytes on the next line. Unquoted names and string data are taken as they
// stand; an unquoted empty "@=" deletes the default value.
bool ParseRegedit4(const std::string& fileText, RegImport& import, bool allowOtherHives = false);
