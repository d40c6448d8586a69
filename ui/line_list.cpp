#include "ui/line_list.h"

std::string FormatLineList(const std::vector<std::string>& entries) {
    std::size_t size = 0;
    for (const auto& e : entries) size += e.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& e : entries) {
        out += e;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> ParseLineList(const std::string& content) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    const std::size_t n = content.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && content[end] != '\r' && content[end] != '\n') ++end;
        entries.emplace_back(content, start, end - start);
        if (end < n && content[end] == '\r' && end + 1 < n && content[end + 1] == '\n')
            start = end + 2;
        else
            start = end + 1;
    }
    return entries;
}
