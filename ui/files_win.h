// Files on disk (paths in UTF-8): whole reads, presence, a replace that never leaves a file
// half written, and the folder the program runs from.
#pragma once
#include <functional>
#include <optional>
#include <string>

// Something other than a folder is at the path, whatever its attributes.
bool FilePresent(const std::string& path);
// A list file counts only as a normal file: a hidden or system file is as
// missing as a folder of that name.
bool ListFilePresent(const std::string& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Writes `content` to a new temporary file beside `path` (a name no other file
// has), which then replaces the old file in one step, keeping its attributes
// and permissions, so a failed write leaves the old file whole.
bool ReplaceFileContent(const std::string& path, const std::string& content);

// The folder of the running executable, without a trailing backslash, for a
// path of any length; throws std::runtime_error when the system cannot say.
std::string ExeFolder();

// What GetModuleFileNameW does for a buffer of `size` characters.
using ModulePathQuery = std::function<unsigned long(wchar_t* buffer, unsigned long size)>;
// The folder of the module path `query` gives, without a trailing backslash;
// nothing when the query fails.
std::optional<std::string> ModuleFolder(const ModulePathQuery& query);
