// The nick placeholder "sn%" and the rule every sender applies to outgoing RTF.
#pragma once
#include <string>

inline constexpr const char* kNoNick = "No Nick";
inline constexpr const char* kNickPlaceholder = "sn%";

// Replaces every "sn%" in `rtf` by `nick`: from the start, left to right,
// case-sensitive, without looking again at inserted text. The nick is UTF-8 and
// is escaped as RTF text ("\", "{" and "}" get a backslash, characters above
// 127 become \uN? units) so it arrives exactly as typed and never breaks the
// document.
std::string ReplaceNickInRtf(const std::string& rtf, const std::string& nick);

// The rule as the senders use it: with the caption "No Nick" (compared exactly)
// the text goes out unchanged, any other caption (the empty one included) is a
// nick to put in place of the placeholder.
std::string ApplyChosenNick(const std::string& rtf, const std::string& label3Caption);

// Plain-text replacement with the same matching rule, no escaping.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
