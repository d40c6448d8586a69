// The one-entry-per-line list file format of nicks.txt, dl.txt, dr.txt,
// saved.txt and dlist.txt: every entry (the last included) ended
// by CR LF, no header, no quoting; an entry is the whole line. Parse and Format
// work on the bytes; DecodeListFile and EncodeListFile add the encoding.
#pragma once
#include <string>
#include <string_view>
#include <vector>

std::string FormatLineList(const std::vector<std::string>& entries);

// An empty line is an empty entry; the line end after the last entry adds
// none. CR LF ends a line; so does a lone CR or LF, for files edited elsewhere.
std::vector<std::string> ParseLineList(const std::string& content);

// How a list file was written. Files from before Unicode are Windows-1252;
// a file that starts with the UTF-8 byte order mark, or is valid UTF-8 with a
// byte above 127, is UTF-8. A NUL byte is kept in its entry.
enum class ListEncoding { Windows1252, Utf8, Utf8WithBom };

struct ListFile {
    std::vector<std::string> entries;  // UTF-8
    ListEncoding encoding = ListEncoding::Windows1252;
};

ListFile DecodeListFile(std::string_view bytes);
// The file for UTF-8 `entries` in the encoding it was read in; a list holding a
// character Windows-1252 lacks is written as UTF-8 with the byte order mark.
std::string EncodeListFile(const std::vector<std::string>& entries, ListEncoding readAs);
