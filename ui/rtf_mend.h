// Makes the RTF a rich edit control writes carry the box's own characters.
//
// A control writes a character its code page lacks as the code page's nearest
// look-alike when there is one: Wine's writes "Γ" as "G", "∞" as "8", and under
// a Greek system the Windows-1252 "´" as the Greek tonos. Its text runs are
// checked here, character by character, against the box's UTF-16 text and
// every character that may not be the box's is written as \uN? instead.
#pragma once
#include <string>
#include <string_view>

// `rtf` with each character of its text runs (literals, \'xx bytes, \uN)
// compared in order with `text`, the box's UTF-16 text (a paragraph break as
// one CR). A literal that differs, a \uN of another value and a \'xx that is
// not that very Windows-1252 character become \uN? with the box's character
// (signed N, as many "?" as \uc asks). Groups that hold no text (font and
// colour tables, style sheets, document information, \* destinations) are
// passed over. When the two cannot be lined up (an ASCII character where the
// box has another, text left over on either side) `rtf` is returned as it is:
// a guess could only move characters about. Linear in both.
std::string MendRtfText(std::string_view rtf, std::u16string_view text);

// `rtf` naming its code page wherever a reader would otherwise take the
// system's: a document that names none (plain \ansi, or nothing) gets
// \ansicpg1252, and a font without \fcharset gets the character set of the
// document's code page, since a reader decodes that font's \'xx bytes by the
// system's code page even under \ansicpg. So the same bytes read as the same
// characters under a Greek or Japanese system. A document that names \mac,
// \pc or \pca, or a code page without a character set, is left as it is.
std::string StateCodePage(std::string_view rtf);
