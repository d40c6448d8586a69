// UTF-8 helpers for program text: the core keeps text as UTF-8 in std::string,
// the controls take UTF-16, and the files users already have are Windows-1252.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCodePoint {
    char32_t value = 0;      // U+FFFD for an invalid sequence
    std::size_t length = 0;  // bytes read: at least 1 while `at` is inside the text
    bool valid = false;
};

// The code point starting at byte `at`. An invalid sequence (a stray
// continuation byte, a lead byte without its continuations, an overlong form, a
// surrogate, a value above U+10FFFF) reads as U+FFFD and covers the longest
// prefix that could have started a valid sequence, at least one byte, so the
// next read starts where a fresh character may.
DecodedCodePoint DecodeUtf8(std::string_view text, std::size_t at);

void AppendUtf8(std::string& out, char32_t codePoint);
bool IsValidUtf8(std::string_view text);

// Invalid input becomes U+FFFD; so does a lone surrogate in UTF-16.
std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

// Windows-1252 maps every byte: 0x80-0x9F to the typographic characters (the
// five bytes it leaves undefined to the C1 controls of the same value, as the
// platform converts them), everything else to the code point of the same value.
char32_t Windows1252ToUnicode(unsigned char byte);
// The byte for `codePoint`, or -1 when Windows-1252 has no such character.
int UnicodeToWindows1252(char32_t codePoint);

std::string Utf8FromWindows1252(std::string_view bytes);
// Characters Windows-1252 lacks (and invalid sequences) become "?". `lossless`
// says whether every character had a byte of its own.
std::string Windows1252FromUtf8(std::string_view text, bool* lossless = nullptr);
