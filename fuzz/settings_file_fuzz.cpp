// libFuzzer target for the settings file reader and writer: any bytes read into
// settings that are UTF-8, write out and read back as the same settings, and
// every getter answers without failing; a colour read is always within 0 to
// 0xFFFFFF; any text set reads back as set.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_fail.h"
#include "ui/settings_file.h"
#include "ui/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const SettingsFile file = SettingsFile::Parse(bytes);
    const std::string saved = file.Format();
    if (!IsValidUtf8(saved)) Fail("the saved file is not UTF-8", bytes);
    const SettingsFile again = SettingsFile::Parse(saved);
    if (!(again == file)) Fail("saved settings read back different", bytes);
    if (again.Format() != saved) Fail("a second save changed the bytes", bytes);
    for (const std::string& section : file.Sections())
        for (const std::string& key : file.Keys(section)) {
            if (const auto color = file.GetColor(section, key); color && *color > 0xFFFFFF)
                Fail("a colour out of range", bytes);
            file.GetInt(section, key, -5, 5);
            // A list written back is the same list.
            if (const auto list = file.GetList(section, key); list && !list->empty()) {
                SettingsFile copy;
                copy.SetList(section, key, *list);
                if (copy.GetList(section, key) != list) Fail("a list read back different", bytes);
            }
        }
    // Any text set as a section, key and value (the input cut in three) reads
    // back as set, and a file with every key removed is empty.
    auto part = [&](std::size_t n) {
        return Utf8FromUtf16(Utf16FromUtf8(std::string_view(bytes).substr(n * (size / 3), n == 2 ? std::string_view::npos : size / 3)));
    };
    const std::string section = part(0), key = part(1), value = part(2);
    SettingsFile set = file;
    set.SetString(section, key, value);
    if (SettingsFile::Parse(set.Format()).GetString(section, key) != value) Fail("a value set reads back different", bytes);
    for (const std::string& name : set.Sections())
        for (const std::string& entry : set.Keys(name)) set.Remove(name, entry);
    if (!set.Sections().empty() || set.Format() != "\xEF\xBB\xBF") Fail("removing every key left some", bytes);
    return 0;
}
