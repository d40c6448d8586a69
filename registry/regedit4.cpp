#include "registry/regedit4.h"

#include "registry/bin_text.h"
#include "registry/reg_path.h"

#include <cstdio>

namespace {

constexpr char kQuote = '"';

std::string Quoted(const std::string& text) { return kQuote + text + kQuote; }

bool StartsWithIgnoringCase(const std::string& text, const std::string& head) {
    return text.size() >= head.size() && AsciiUpper(text.substr(0, head.size())) == AsciiUpper(head);
}

std::string ReplaceChar(std::string text, char from, char to) {
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

void AddStep(std::vector<RegImportStep>& steps, RegImportStep::Action action,
             const std::string& path, const std::string& name, const std::string& data = {},
             std::uint32_t number = 0) {
    RegImportStep step;
    step.action = action;
    step.path = path;
    step.name = name;
    step.data = data;
    step.number = number;
    steps.push_back(std::move(step));
}

// One value line inside the block of `path`.
void ReadValueLine(const std::string& line, const std::string& path,
                   std::vector<RegImportStep>& steps) {
    using Action = RegImportStep::Action;
    const size_t firstEquals = line.find('=');
    const std::string name = line.substr(0, firstEquals);
    const size_t dataStart = firstEquals + 1;
    const size_t secondEquals = line.find('=', dataStart);
    // Text after a second "=" is lost: "a=b=c" writes "b".
    const std::string data = line.substr(
        dataStart, secondEquals == std::string::npos ? std::string::npos : secondEquals - dataStart);

    if (TrimSpaces(data) == "-") {
        AddStep(steps, Action::KillValue, path, name);
    } else if (StartsWithIgnoringCase(data, "hex:")) {
        AddStep(steps, Action::WriteBinary, path, name, ReplaceChar(data.substr(4), ',', ' '));
    } else if (StartsWithIgnoringCase(data, "dword:")) {
        AddStep(steps, Action::WriteDWORD, path, name, {}, LeadingHexValue(data.substr(6)));
    } else {
        AddStep(steps, Action::WriteString, path, name, data);
        // "@" is the default value for the write; an empty one is then removed.
        if (name == "@" && data.empty()) AddStep(steps, Action::KillValue, path, "");
    }
}

}  // namespace

std::string Regedit4KeyLine(const std::string& path) { return "[" + path + "]"; }

std::string Regedit4DefaultValueLine(const std::string& value) { return "@=" + Quoted(value); }

std::string Regedit4StringLine(const std::string& name, const std::string& value) {
    return Quoted(name) + "=" + Quoted(value);
}

std::string Regedit4BinaryLine(const std::string& name, const std::string& binText) {
    return Quoted(name) + "=hex:" + ReplaceChar(TrimSpaces(binText), ' ', ',');
}

std::string Regedit4DwordLine(const std::string& name, std::uint32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
    return Quoted(name) + "=dword:" + digits;
}

std::vector<std::string> SplitAtCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(kRegedit4LineEnd, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

bool ParseRegedit4(const std::string& fileText, std::vector<RegImportStep>& steps) {
    steps.clear();
    const std::vector<std::string> lines = SplitAtCrLf(fileText);
    if (AsciiUpper(lines.front()) != kRegedit4Header) return false;

    bool inBlock = false;
    std::string path;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string line = RemoveChar(TrimSpaces(lines[i]), kQuote);
        if (!line.empty() && line[0] == '[') {
            // The path is the line without its first and last characters.
            path = line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string();
            if (!path.empty() && path[0] == '-') {
                AddStep(steps, RegImportStep::Action::KillKey, path.substr(1), "");
                inBlock = false;
            } else {
                inBlock = true;
            }
            continue;
        }
        if (!inBlock) continue;
        if (line.empty() || line[0] == ';' || line.find('=') == std::string::npos) continue;
        ReadValueLine(line, path, steps);
    }
    return true;
}
