// ExportToReg and ImportFromReg: a registry branch to and from a "REGEDIT4"
// file. All registry work goes through the key and value operations of
// RegAccess; the text format itself lives in regedit4.h.
#include "registry/reg_access_win.h"

#include "registry/bin_text.h"
#include "registry/reg_path.h"
#include "registry/regedit4.h"
#include "ui/files_win.h"
#include "ui/window_util_win.h"

namespace {

// The export's file: created only when no file has its name (one step, so
// nothing can come between a check and the create), written through the one
// handle, and removed through it when the export fails, so the file removed
// is always the one made here.
class ExportFile {
public:
    explicit ExportFile(const std::string& path)
        : handle_(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    ~ExportFile() {
        if (!Created()) return;
        FILE_DISPOSITION_INFO remove{TRUE};
        SetFileInformationByHandle(handle_, FileDispositionInfo, &remove, sizeof remove);
        CloseHandle(handle_);
    }

    bool Created() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Write(const std::string& text) {
        DWORD written = 0;
        return text.empty() ||
               (WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                written == text.size());
    }
    // Closes the file and keeps it; false (and the file removed) when what
    // was written cannot be flushed to the disk.
    bool Keep() {
        if (!FlushFileBuffers(handle_)) return false;
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return true;
    }

private:
    HANDLE handle_;
};

std::string LineOf(const std::string& text) { return text + kRegedit4LineEnd; }

}  // namespace

long RegAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile,
                            bool IncludeSubkeys, const ExportProgress& Output) {
    ExportFile file(sRegFile);
    if (!file.Created()) return 0;  // never over a file that is there
    const BlockWriter write = [&file](const std::string& text) { return file.Write(text); };
    // Half a branch would pass for a whole one when imported later: on any
    // failure the file goes.
    if (!write(LineOf(kRegedit4Header) + LineOf(""))) return 0;
    if (!WriteKeyBlock(LengthenRootNames(sPath), write, IncludeSubkeys, Output)) return 0;
    return file.Keep() ? 1 : 0;
}

bool RegAccess::WriteKeyBlock(const std::string& path, const BlockWriter& write, bool includeSubkeys,
                              const ExportProgress& output) {
    if (output) output(path);
    if (!Regedit4CanCarry(path)) return false;

    // A key that cannot be opened gives its key line alone.
    std::vector<StoredValue> values;
    if (EnumStoredValues(path, values) == Listing::Broken) return false;
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
    if (!write(block)) return false;

    if (includeSubkeys) {
        std::vector<std::string> keys;
        if (ListKeys(path, keys) == Listing::Broken) return false;
        for (const std::string& key : keys)
            if (!WriteKeyBlock(path + "\\" + key, write, true, output)) return false;
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
