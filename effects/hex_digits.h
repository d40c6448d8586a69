// Hexadecimal helpers shared by the colour fader, the markup reader and the
// art-design fade: digit values, digit strings to numbers and the six-digit
// form of a colour value.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Value 0..15 of one upper-case hexadecimal digit "0"-"9", "A"-"F"; any other
// character (lower-case letters included) is 0.
int HexDigitValue(char ch);

// Value of a string of hexadecimal digits in either case. Only the last eight
// characters of a longer string count; a character that is not a digit counts
// as 0; the empty string is 0. Single precision, which is exact for the
// two-digit channels of a colour tag.
float HexToNum(std::string_view digits);

// Upper-case hexadecimal form of a colour value without leading zeros, padded
// to six digits with "0" on the left. A negative value (a system colour with the
// high bit set) is written as the eight digits of its 32-bit form; a value of
// seven digits keeps all seven.
std::string HexPad6(std::int32_t value);
