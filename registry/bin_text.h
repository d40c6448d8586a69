// The text form of binary registry data: hexadecimal byte pairs. In memory
// binary data is a string with one character per byte (the character whose
// ANSI code is the byte's value).
#pragma once
#include <cstdint>
#include <string>

// Reads hexadecimal digit pairs in either letter case, every space ignored.
// `sBin` is changed to the text without its spaces. An odd digit count is
// halved with halves going to the even number, so "0A0" converts two pieces
// ("0A" and "0") while "0A0B0" converts only "0A" and "0B". A piece that is not
// a hexadecimal number counts as far as its leading digits go (0 with none).
std::string StrToBin(std::string& sBin);

// Each byte as two upper-case digits, each pair preceded by a space:
// bytes 1, 171, 255 give " 01 AB FF". Empty data gives the empty string.
std::string BinToStr(const std::string& sStr);

// True when the text, spaces removed, is not empty and holds only hexadecimal
// digits (either case). An odd digit count passes.
bool isBinValid(const std::string& sBin);

// The value of the hexadecimal digits at the start of `text`, as far as they
// go; 0 when it starts with none. Digits beyond the eighth shift the older
// ones out, keeping the low 32 bits.
std::uint32_t LeadingHexValue(const std::string& text);

// Removes leading and trailing spaces (only the space character, as the
// registry text has always been trimmed).
std::string TrimSpaces(const std::string& text);

// Removes every occurrence of `c`.
std::string RemoveChar(const std::string& text, char c);
