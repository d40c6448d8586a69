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
    return WriteKeyBlock(sPath, sRegFile, IncludeSubkeys, Output) ? 1 : 0;
}

bool RegAccess::WriteKeyBlock(const std::string& sPath, const std::string& sRegFile,
                              bool includeSubkeys, const ExportProgress& output) {
    const std::string path = LengthenRootNames(sPath);
    if (output) output(path);

    std::string block = LineOf(Regedit4KeyLine(path));
    // A default value that cannot be read as a string gives back the
    // one-character NUL default, which no string read returns.
    const std::string noDefault(1, '\0');
    if (ReadString(path, "", noDefault) != noDefault)
        block += LineOf(Regedit4DefaultValueLine(ReadString(path, "", "")));

    std::vector<std::string> names;
    std::vector<RegValue> values;
    EnumValues(path, names, values, REG_SZ);
    for (size_t i = 0; i < names.size(); ++i)
        if (!names[i].empty()) block += LineOf(Regedit4StringLine(names[i], RegValueText(values[i])));
    EnumValues(path, names, values, REG_BINARY);
    for (size_t i = 0; i < names.size(); ++i)
        block += LineOf(Regedit4BinaryLine(names[i], RegValueText(values[i])));
    EnumValues(path, names, values, REG_DWORD);
    for (size_t i = 0; i < names.size(); ++i) {
        const long* number = std::get_if<long>(&values[i]);
        block += LineOf(Regedit4DwordLine(names[i], static_cast<std::uint32_t>(number ? *number : 0)));
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

long RegAccess::ImportFromReg(const std::string& sRegFile) {
    // Every write of the import creates the keys it needs, and the object
    // stays that way afterwards.
    createIfMissing_ = true;
    if (!FilePresent(sRegFile)) return 0;
    std::string text;
    if (!ReadWholeFile(sRegFile, text)) return 0;
    std::vector<RegImportStep> steps;
    if (!ParseRegedit4(text, steps)) return 0;

    // A failing registry operation is not reported and does not stop the
    // import: the rest of the file still applies.
    for (const RegImportStep& step : steps) {
        switch (step.action) {
            case RegImportStep::Action::KillKey: KillKey(step.path); break;
            case RegImportStep::Action::KillValue: KillValue(step.path, step.name); break;
            case RegImportStep::Action::WriteString:
                WriteString(step.path, step.name, step.data);
                break;
            case RegImportStep::Action::WriteBinary:
                WriteBinary(step.path, step.name, step.data);
                break;
            case RegImportStep::Action::WriteDWORD:
                WriteDWORD(step.path, step.name, static_cast<long>(step.number));
                break;
        }
    }
    return 1;
}
