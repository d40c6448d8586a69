// List files (ui/line_list.h) and the list boxes they fill. Each file is
// written back in the encoding it was read in (remembered per path for the
// run), or as UTF-8 with the byte order mark once it holds a character
// Windows-1252 lacks.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Writes the UTF-8 entries as a list file, replacing the old one in one step.
// False, writing nothing, for a file whose last load found it present but
// unreadable, and for a file kept as it is for this run.
bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries);
// Appends the entries of a list file to the list box; false when unreadable.
// A file that is there but cannot be read is then kept from every write until
// a later load reads it: the caller tells the user.
bool LoadListFile(HWND list, const std::string& path);
// Keeps the file from every write of this run: it is there, but its list was
// not read from it (start-up stopped before it), so a write would replace the
// user's entries with whatever the list holds.
void KeepListFileThisRun(const std::string& path);
// Writes the list box to the list file (errors are the caller's to ignore).
bool SaveListFile(HWND list, const std::string& path);
// Saves the list, empties it and reads the file back into it, so the list
// shows what the file really holds (the older content when the write failed).
// False, with the list left empty, when the file is not there afterwards: the
// caller tells the user.
bool SaveAndReloadListFile(HWND list, const std::string& path);
