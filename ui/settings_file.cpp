#include "ui/settings_file.h"

#include <algorithm>
#include <charconv>

#include "ui/utf8.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Characters escaped anywhere in a key or section name, so a name can never
// look like a header, a comment or the end of the key.
constexpr std::string_view kNameSpecials = "=[];#,";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Escape(std::string_view s, bool name) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool edge = i == 0 || i + 1 == s.size();
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == ' ' && edge) out += "\\s";
        else if (name && kNameSpecials.find(c) != std::string_view::npos) (out += '\\') += c;
        else out += c;
    }
    return out;
}

std::string Unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) break;  // a lone backslash at the end stands for nothing
        switch (s[i]) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 's': out += ' '; break;
            default: out += s[i];
        }
    }
    return out;
}

// The first `stop` character not escaped by a backslash, or npos.
std::size_t FindUnescaped(std::string_view s, char stop, std::size_t from = 0) {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] == '\\') ++i;
        else if (s[i] == stop) return i;
    }
    return std::string_view::npos;
}

std::optional<long long> ParseWhole(std::string_view text) {
    text = Trim(text);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

SettingsFile SettingsFile::Parse(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Utf8FromUtf16(Utf16FromUtf8(bytes));
    SettingsFile file;
    std::string section;
    bool sectionGood = true;  // keys under a header that makes no sense are dropped with it
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            sectionGood = FindUnescaped(line, ']', 1) == line.size() - 1;
            if (sectionGood) section = Unescape(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t eq = FindUnescaped(line, '=');
        if (!sectionGood || eq == std::string_view::npos) continue;
        file.SetString(section, Unescape(Trim(line.substr(0, eq))), Unescape(Trim(line.substr(eq + 1))));
    }
    return file;
}

std::string SettingsFile::Format() const {
    std::string out(kUtf8Bom);
    for (const Section& s : sections_) {
        if (s.entries.empty()) continue;
        if (!s.name.empty() || &s != &sections_.front()) {
            if (out.size() > kUtf8Bom.size()) out += "\r\n";
            out += '[';
            out += Escape(s.name, true);
            out += "]\r\n";
        }
        for (const auto& [key, value] : s.entries) {
            out += Escape(key, true);
            out += '=';
            out += Escape(value, false);
            out += "\r\n";
        }
    }
    return out;
}

const SettingsFile::Section* SettingsFile::Find(std::string_view section) const {
    const auto it = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) { return s.name == section; });
    return it == sections_.end() ? nullptr : &*it;
}

SettingsFile::Section& SettingsFile::FindOrAdd(std::string_view section) {
    for (Section& s : sections_)
        if (s.name == section) return s;
    // Keys outside any section are written first, before any header.
    if (section.empty()) return *sections_.insert(sections_.begin(), Section{std::string(section), {}});
    return sections_.emplace_back(Section{std::string(section), {}});
}

std::optional<std::string> SettingsFile::GetString(std::string_view section, std::string_view key) const {
    if (const Section* s = Find(section))
        for (const auto& [k, v] : s->entries)
            if (k == key) return v;
    return std::nullopt;
}

void SettingsFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = FindOrAdd(section);
    for (auto& [k, v] : s.entries)
        if (k == key) {
            v = value;
            return;
        }
    s.entries.emplace_back(std::string(key), std::string(value));
}

std::optional<int> SettingsFile::GetInt(std::string_view section, std::string_view key, int min, int max) const {
    const auto text = GetString(section, key);
    const auto value = text ? ParseWhole(*text) : std::nullopt;
    if (!value || *value < min || *value > max) return std::nullopt;
    return static_cast<int>(*value);
}

void SettingsFile::SetInt(std::string_view section, std::string_view key, int value) {
    SetString(section, key, std::to_string(value));
}

std::optional<std::uint32_t> SettingsFile::GetColor(std::string_view section, std::string_view key) const {
    const auto value = GetInt(section, key, 0, 0xFFFFFF);
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

void SettingsFile::SetColor(std::string_view section, std::string_view key, std::uint32_t color) {
    SetString(section, key, std::to_string(color & 0xFFFFFF));
}

std::optional<std::vector<std::string>> SettingsFile::GetList(std::string_view section, std::string_view key) const {
    const auto text = GetString(section, key);
    if (!text) return std::nullopt;
    std::vector<std::string> items;
    if (text->empty()) return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = FindUnescaped(*text, ',', start);
        const std::size_t end = comma == std::string::npos ? text->size() : comma;
        std::string item;
        for (std::size_t i = start; i < end; ++i) {
            if ((*text)[i] == '\\' && i + 1 < end) ++i;
            item += (*text)[i];
        }
        items.push_back(std::move(item));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

void SettingsFile::SetList(std::string_view section, std::string_view key, const std::vector<std::string>& items) {
    std::string value;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) value += ',';
        for (const char c : items[i]) {
            if (c == ',' || c == '\\') value += '\\';
            value += c;
        }
    }
    SetString(section, key, value);
}

std::vector<std::string> SettingsFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section))
        for (const auto& entry : s->entries) keys.push_back(entry.first);
    return keys;
}

std::vector<std::string> SettingsFile::Sections() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

void SettingsFile::Remove(std::string_view section, std::string_view key) {
    if (!Find(section)) return;
    auto& entries = FindOrAdd(section).entries;
    std::erase_if(entries, [&](const auto& entry) { return entry.first == key; });
    if (entries.empty()) RemoveSection(section);
}

void SettingsFile::RemoveSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return s.name == section; });
}
