// List files on disk and the list boxes they fill.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The application folder joined with a file name ("C:\dir" + "\" + name).
std::string AppPath(const std::string& folder, const std::string& name);

// A directory lookup of the exact path finds a normal file (not a folder).
bool FilePresent(const std::string& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Writes the entries as a list file. The new content goes to a temporary file
// beside the old one, which is then replaced in one step, so a failed write
// never leaves the list truncated: the old file stays whole.
bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries);

// List box contents (LB_* messages), 8-bit text.
std::vector<std::string> ListBoxItems(HWND list);
std::string ListBoxItem(HWND list, int index);
// Appends the entries with one redraw and storage reserved up front.
void AppendToListBox(HWND list, const std::vector<std::string>& entries);
// Appends the entries of a list file to the list box; false when unreadable.
bool LoadListFile(HWND list, const std::string& path);
// Writes the list box to the list file (errors are the caller's to ignore).
bool SaveListFile(HWND list, const std::string& path);
