#include "ui/line_list.h"

#include "ui/utf8.h"

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
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasByteAbove127(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) > 127) return true;
    return false;
}

// Valid UTF-8 (a code point at a time, an invalid one as U+FFFD).
std::string CleanUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        AppendUtf8(out, d.value);
        at += d.length;
    }
    return out;
}

}  // namespace

ListFile DecodeListFile(std::string_view bytes) {
    ListFile file;
    std::string text;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        file.encoding = ListEncoding::Utf8WithBom;
        text = CleanUtf8(bytes.substr(kUtf8Bom.size()));
    } else if (HasByteAbove127(bytes) && IsValidUtf8(bytes)) {
        file.encoding = ListEncoding::Utf8;
        text = bytes;
    } else {
        // Every file written before Unicode: each byte one character, so any
        // byte reads as something and writes back the same.
        text = Utf8FromWindows1252(bytes);
    }
    file.entries = ParseLineList(text);
    return file;
}

std::string EncodeListFile(const std::vector<std::string>& entries, ListEncoding readAs) {
    std::string text = FormatLineList(entries);
    if (readAs == ListEncoding::Windows1252) {
        bool lossless = false;
        std::string bytes = Windows1252FromUtf8(text, &lossless);
        // Bytes that happen to read as UTF-8 would come back as other
        // characters next time; the mark keeps them as typed.
        if (lossless && !(HasByteAbove127(bytes) && IsValidUtf8(bytes))) return bytes;
        readAs = ListEncoding::Utf8WithBom;  // nothing typed may turn into "?"
    }
    if (readAs == ListEncoding::Utf8 && !IsValidUtf8(text)) readAs = ListEncoding::Utf8WithBom;
    if (readAs == ListEncoding::Utf8WithBom) return std::string(kUtf8Bom) + CleanUtf8(text);
    return text;
}
