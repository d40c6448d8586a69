// The one-entry-per-line list file format of nicks.txt, dl.txt, dr.txt,
// saved.txt and dlist.txt: 8-bit text, every entry (the last included) ended
// by CR LF, no header, no quoting; an entry is the whole line.
#pragma once
#include <string>
#include <vector>

std::string FormatLineList(const std::vector<std::string>& entries);

// An empty line is an empty entry; the line end after the last entry adds
// none. CR LF ends a line; so does a lone CR or LF, for files edited elsewhere.
std::vector<std::string> ParseLineList(const std::string& content);
