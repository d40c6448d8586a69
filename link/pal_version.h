// Which messenger generation is installed, and what the window search needs
// to know about it. Portable: the registry lookups live in the Win32 layer.
#pragma once
#include <string>

// Uninstall records the messenger's installers leave behind, in the order in
// which they are consulted: the old 8.2 installer's record wins when both exist.
inline constexpr const char* kPal82UninstallKey =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PalTalk8.2\\";
inline constexpr const char* kPalMessengerUninstallKey =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger\\";
inline constexpr const char* kPalVersionValue = "DisplayVersion";
// Read in place of a missing "DisplayVersion"; it classifies as "not found".
inline constexpr const char* kPalVersionDefault = "0";

// Generation codes.
inline constexpr short kPalNotFound = 0;
inline constexpr short kPal9 = 9;
inline constexpr short kPal10 = 10;
inline constexpr short kPal450 = 450;

// Reduces an installer's version text to a generation code. The tests are
// plain case-sensitive substring searches taken in a fixed order, so the first
// that holds decides: "10.9.1" contains "9." and counts as generation 9.
short ClassifyPalVersion(const std::string& versionText);

inline constexpr const char* kChatWindowClass = "DlgGroupChat Window Class";
inline constexpr const char* kSplitterClass = "SplitterWindowEx";
inline constexpr const char* kInputBoxClass = "RichEdit20W";
// The input box lives in the fourth splitter of a chat window.
inline constexpr short kInputSplitterIndex = 4;

// The window search settings kept for the life of the main window. They are
// never cleared: a scan that recognises nothing leaves the last ones in force.
struct PalSearchSettings {
    std::string chatClass;  // ChatClass: empty until a generation is recognised
    short inputIndex = 0;   // InputIndex: position among the splitter's rich edits
};

// Generation 9 names the chat window class only; its input box position stays
// whatever it was.
void SetPal9Classes(PalSearchSettings& settings);
// Generations 10 and 450: the input box is the second rich edit of the splitter.
void SetPal10Classes(PalSearchSettings& settings);

// Applies the settings row of a generation code. False for a code that names
// no generation (0 and anything unlisted): the settings stay as they were and
// the caller marks the main window as having found no messenger.
bool ApplyPalGeneration(short code, PalSearchSettings& settings);
