// libFuzzer target for registry files a user may be handed: any bytes go
// through the REGEDIT4 reader. Nothing may crash or read out of bounds, what it
// keeps may not outgrow the file (each byte of it belongs to one key path,
// name or value at most), and every value it reads, written back with our own
// writer, must read back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/fuzz_fail.h"
#include "registry/regedit4.h"

namespace {

using Write = std::tuple<std::string, int, std::string, std::string, std::uint32_t>;

// The value writes of an import, each with its key path; false when a path or
// name has no form in a file we write.
bool Writes(const RegImport& import, std::vector<Write>& writes) {
    using Action = RegImportStep::Action;
    for (const RegImportStep& s : import.steps) {
        if (s.key >= import.keys.size()) Fail("step without its key", std::to_string(s.key));
        if (s.action == Action::KillKey || s.action == Action::KillValue) continue;
        if (!Regedit4CanCarry(import.keys[s.key]) || !Regedit4CanCarry(s.name)) return false;
        writes.emplace_back(import.keys[s.key], static_cast<int>(s.action), s.name, s.data, s.number);
    }
    return true;
}

std::string Rewritten(const std::vector<Write>& writes) {
    std::string file = std::string(kRegedit4Header) + kRegedit4LineEnd;
    const std::string* key = nullptr;
    for (const auto& [path, action, name, data, number] : writes) {
        if (!key || *key != path) file += Regedit4KeyLine(path) + kRegedit4LineEnd;
        key = &path;
        switch (static_cast<RegImportStep::Action>(action)) {
            case RegImportStep::Action::WriteBinary: file += Regedit4BinaryLine(name, data); break;
            case RegImportStep::Action::WriteDWORD: file += Regedit4DwordLine(name, number); break;
            default: file += Regedit4StringLine(name, data); break;
        }
        file += kRegedit4LineEnd;
    }
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    RegImport import;
    ParseRegedit4(text, import);  // one hive only: may refuse
    if (!ParseRegedit4(text, import, true)) return 0;

    std::size_t kept = 0;
    for (const std::string& key : import.keys) kept += key.size();
    for (const RegImportStep& s : import.steps) kept += s.name.size() + s.data.size();
    if (kept > size) Fail("keeps more than the file holds", std::to_string(kept) + " > " + std::to_string(size));

    std::vector<Write> writes, again;
    if (!Writes(import, writes)) return 0;
    const std::string file = Rewritten(writes);
    RegImport reread;
    if (!ParseRegedit4(file, reread, true) || !Writes(reread, again) || again != writes)
        Fail("a value written back reads differently", file.substr(0, 2000));
    return 0;
}
