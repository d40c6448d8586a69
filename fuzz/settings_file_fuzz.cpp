// libFuzzer target for the settings file reader: any bytes read into settings
// that are UTF-8, write out and read back as the same settings, and every getter
// answers without failing; a colour read is always within 0 to 0xFFFFFF.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/settings_file.h"
#include "ui/utf8.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& file) {
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, file.c_str());
    std::abort();
}

}  // namespace

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
    return 0;
}
