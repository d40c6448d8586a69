// ExportToReg and ImportFromReg: a registry branch to and from a "REGEDIT4"
// file. All registry work goes through the key and value operations of
// RegAccess; the text format itself lives in regedit4.h.
#include "registry/reg_access_win.h"

#include "registry/bin_text.h"
#include "registry/reg_path.h"
#include "registry/regedit4.h"
#include "ui/files_win.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Writes `text` to the file opened with `mode` ("wb" or "ab"); false on any
// failure, the file closed on every path.
bool WriteToFile(const std::string& path, const char* mode, const std::string& text) {
    File file(std::fopen(path.c_str(), mode));
    if (!file) return false;
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size()) return false;
    return std::fclose(file.release()) == 0;
}

std::string LineOf(const std::string& text) { return text + kRegedit4LineEnd; }

}  // namespace

long RegAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile,
                            bool IncludeSubkeys, const ExportProgress& Output) {
    if (FilePresent(sRegFile)) return 0;  // never overwrite a file
    if (!WriteToFile(sRegFile, "wb", LineOf(kRegedit4Header) + LineOf(""))) return 0;
    if (WriteKeyBlock(LengthenRootNames(sPath), sRegFile, IncludeSubkeys, Output)) return 1;
    // Half a branch would pass for a whole one when imported later.
    DeleteFileA(sRegFile.c_str());
    return 0;
}

bool RegAccess::WriteKeyBlock(const std::string& path, const std::string& sRegFile,
                              bool includeSubkeys, const ExportProgress& output) {
    if (output) output(path);
    if (!Regedit4CanCarry(path)) return false;

    std::vector<StoredValue> values;
    EnumStoredValues(path, values);
    // A string is stored with its closing NUL, normally; the file holds the
    // text, and the import stores it as WriteString does.
    const auto text = [](const StoredValue& value) {
        const std::string& bytes = value.bytes;
        return !bytes.empty() && bytes.back() == '\0' ? bytes.substr(0, bytes.size() - 1) : bytes;
    };
    std::string block = LineOf(Regedit4KeyLine(path));
    for (const StoredValue& value : values) {
        if (!Regedit4CanCarry(value.name)) return false;
        if (value.type == REG_SZ && value.name.empty()) block += LineOf(Regedit4DefaultValueLine(text(value)));
    }
    // Strings, then binary values, then numbers: each kind in enumeration order.
    for (const StoredValue& value : values)
        if (value.type == REG_SZ && !value.name.empty())
            block += LineOf(Regedit4StringLine(value.name, text(value)));
    for (const StoredValue& value : values)
        if (value.type == REG_BINARY) block += LineOf(Regedit4BinaryLine(value.name, value.bytes));
    for (const StoredValue& value : values) {
        if (value.type != REG_DWORD) continue;
        DWORD number = 0;
        value.bytes.copy(reinterpret_cast<char*>(&number), sizeof number);
        block += LineOf(Regedit4DwordLine(value.name, number));
    }
    block += LineOf("");
    if (!WriteToFile(sRegFile, "ab", block)) return false;

    if (includeSubkeys) {
        std::vector<std::string> keys;
        EnumKeys(path, keys);
        for (const std::string& key : keys)
            if (!WriteKeyBlock(path + "\\" + key, sRegFile, true, output)) return false;
    }
    return true;
}

long RegAccess::ImportFromReg(const std::string& sRegFile, bool AllowOtherHives) {
    // Every write of the import creates the keys it needs, and the object
    // stays that way afterwards.
    createIfMissing_ = true;
    if (!FilePresent(sRegFile)) return 0;
    std::string text;
    if (!ReadWholeFile(sRegFile, text)) return 0;
    RegImport import;
    if (!ParseRegedit4(text, import, AllowOtherHives)) return 0;
    text = std::string();  // the file's text is not needed while applying

    // A failing registry operation is not reported and does not stop the
    // import: the rest of the file still applies.
    for (const RegImportStep& step : import.steps) {
        const std::string& path = import.keys[step.key];
        switch (step.action) {
            case RegImportStep::Action::KillKey: KillKey(path); break;
            case RegImportStep::Action::KillValue: KillValue(path, step.name); break;
            case RegImportStep::Action::WriteString: WriteStored(path, step.name, REG_SZ, step.data); break;
            case RegImportStep::Action::WriteBinary: WriteStored(path, step.name, REG_BINARY, step.data); break;
            case RegImportStep::Action::WriteDWORD: {
                const DWORD number = step.number;
                WriteStored(path, step.name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
                break;
            }
        }
    }
    return 1;
}
