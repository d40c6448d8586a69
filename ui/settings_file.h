// The settings file (vivarto.ini): named sections of key=value lines, in UTF-8
// with a byte order mark and CR LF line ends, read and written by this code
// rather than the platform's profile functions, so any Unicode value survives
// whatever the system's code page, and the reader can be fuzzed on its own.
//
//     [Main]
//     ColorA=255
//     Rooms=Lobby,Chat\, and more
//
// A value is the text after the first "=", a section runs until the next
// "[name]" line. Spaces around keys and values are not part of them; a
// backslash escapes what would otherwise end or shape a line (\\ \n \r \t,
// \s for a space at either end, \= \[ \] \; \# in names). Keys and section
// names compare exactly (case counts). Reading never fails: a line that makes
// no sense (no "=", a broken "[name" line and the lines under it until the
// next good one) is skipped, a key given twice keeps its last value, and each
// getter answers nothing for a value it cannot take, so one damaged setting
// costs only itself.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SettingsFile {
public:
    // Any bytes; invalid UTF-8 reads as U+FFFD.
    static SettingsFile Parse(std::string_view bytes);
    // The whole file: the byte order mark, then every section in the order first
    // set or read, its keys likewise. A section with no keys is left out.
    std::string Format() const;

    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // A whole decimal number, optionally negative, within [min, max]; anything
    // else (blank, "12abc", out of range) is nothing.
    std::optional<int> GetInt(std::string_view section, std::string_view key, int min, int max) const;
    void SetInt(std::string_view section, std::string_view key, int value);

    // A colour in the layout of a Windows colour value (red in the low byte),
    // written as its decimal number, 0 to 0xFFFFFF; anything else is nothing.
    std::optional<std::uint32_t> GetColor(std::string_view section, std::string_view key) const;
    void SetColor(std::string_view section, std::string_view key, std::uint32_t color);

    // A list of texts in one value, comma separated (a comma or backslash in an
    // item is escaped). An empty value is an empty list; an absent key is nothing.
    std::optional<std::vector<std::string>> GetList(std::string_view section, std::string_view key) const;
    void SetList(std::string_view section, std::string_view key, const std::vector<std::string>& items);

    // The keys of a section in file order (empty when there is no such section),
    // for sections that hold one entry per user-named thing.
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::string> Sections() const;
    void Remove(std::string_view section, std::string_view key);
    void RemoveSection(std::string_view section);

    bool operator==(const SettingsFile&) const = default;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        bool operator==(const Section&) const = default;
    };
    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);

    std::vector<Section> sections_;
};
