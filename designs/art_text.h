// Text rules of the Art Designs tab that need no window: the design file of a
// name, which names can be file names, and the lines a design is sent in.
#pragma once
#include <optional>
#include <string>
#include <vector>

// Folder of the designs inside the application folder, and a design's file.
std::string DesignsFolder(const std::string& appFolder);
std::string DesignFilePath(const std::string& appFolder, const std::string& name);

// True when `name` + ".rtf" can be created as a file in the Designs folder of
// `appFolder`: no character a file name cannot hold (\ / : * ? " < > | and
// control characters), not a device name (CON, PRN, AUX, NUL, COM and LPT with
// 0-9 or a superscript 1-3, with or without an extension, any letter case),
// and the whole path within the system's 259-character limit. The empty name
// is usable: it is the file ".rtf".
bool IsUsableDesignName(const std::string& appFolder, const std::string& name);

// A row of dlist.txt is read from a file anyone may edit, so it names a design
// only when it passes the same check as a name typed into Save: then its file
// lies directly inside Designs and is not a device. The file of a safe row,
// nothing for any other.
bool IsSafeDesignRow(const std::string& appFolder, const std::string& row);
std::optional<std::string> DesignRowPath(const std::string& appFolder, const std::string& row);

// The lines of a design's text, cut at each CR LF. A text ending in CR LF has a
// last, empty line; the empty text has no lines at all.
std::vector<std::string> SplitDesignLines(const std::string& text);
