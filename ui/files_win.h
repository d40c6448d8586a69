// Files on disk (paths in UTF-8): whole reads, presence, a replace that never leaves a file
// half written, and the folder the program runs from.
#pragma once
#include <string>

// Something other than a folder is at the path, whatever its attributes.
bool FilePresent(const std::string& path);
// A list file counts only as a normal file: a hidden or system file is as
// missing as a folder of that name.
bool ListFilePresent(const std::string& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Writes `content` to a temporary file beside `path`, which then replaces
// the old file in one step, so a failed write leaves the old file whole.
bool ReplaceFileContent(const std::string& path, const std::string& content);

// The folder of the running executable, without a trailing backslash.
std::string ExeFolder();
