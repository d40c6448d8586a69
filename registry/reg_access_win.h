// RegAccess: a small general-purpose class over the Windows registry. Every
// operation names its key by one text path ("HKCU\Software\X" or
// "HKEY_CURRENT_USER\Software\X"), opens the key it needs, does its work and
// closes the key again. Failures come back only through the results: 0 for the
// operations that return a handle value, false for the tests, -1 for the
// enumerations and the caller's default for the reads.
//
// The messenger whose records we read is a 32-bit program, and on 64-bit
// Windows its keys live in the registry's 32-bit view. This exe is 64-bit, so
// every key is opened and created with KEY_WOW64_32KEY: the class sees the
// registry exactly as a 32-bit program does.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <variant>
#include <vector>

// One value listed by EnumValues: text for string values (REG_SZ) and binary
// values (REG_BINARY, as binary text "01 AB FF"), a number for 32-bit values
// (REG_DWORD), nothing for any other type.
using RegValue = std::variant<std::monostate, std::string, long>;

class RegAccess {
public:
    RegAccess() = default;

    // When true (the start value), the Write operations create a missing key.
    void CreateKeyIfDoesntExists(bool offon) { createIfMissing_ = offon; }
    bool CreateKeyIfDoesntExists() const { return createIfMissing_; }

    // Creates the key and every missing level above it.
    long CreateKey(const std::string& sPath);
    // Deletes the key itself; non-zero when the key could be opened (a key
    // that still has subkeys may refuse, which is not reported).
    long KillKey(const std::string& sPath);
    // True when the key opens with full access: a key the user may read but
    // not change counts as missing.
    bool KeyExists(const std::string& sPath);
    // True when the key opens for reading: what a caller that only reads
    // (messenger detection, on HKLM where a standard user may not write)
    // should ask.
    bool KeyReadable(const std::string& sPath);
    // Lists the subkey names into `Key`; their number, -1 when the key cannot
    // be opened.
    long EnumKeys(const std::string& sPath, std::vector<std::string>& Key);
    bool HaveSubkey(const std::string& sPath);

    // The name "@" stands for the key's default value here (only here).
    long WriteString(const std::string& sPath, const std::string& sName,
                     const std::string& sValue);
    long WriteDWORD(const std::string& sPath, const std::string& sName, long lValue);
    long ReadDWORD(const std::string& sPath, const std::string& sName, long lDefault = 0);
    // `sValue` is binary text ("01 ab FF").
    long WriteBinary(const std::string& sPath, const std::string& sName,
                     const std::string& sValue);
    // The value as binary text without the leading space ("01 AB FF").
    std::string ReadBinary(const std::string& sPath, const std::string& sName,
                           const std::string& sDefault = std::string());
    long KillValue(const std::string& sPath, const std::string& sName);
    bool ValueExists(const std::string& sPath, const std::string& sName);
    // Lists the values whose type is `OnlyType` (-1: every type) into the
    // two arrays; their number, -1 when the key cannot be opened.
    long EnumValues(const std::string& sPath, std::vector<std::string>& sName,
                    std::vector<RegValue>& sValue, long OnlyType);

    // Called with each key's full path just before its block is written, so a
    // caller can show the progress and keep its window responsive.
    using ExportProgress = std::function<void(const std::string& keyPath)>;

    // Writes the key (and with `IncludeSubkeys` its whole branch) to a new
    // "REGEDIT4" file, created only when no file has that name; 1 when
    // written, 0 when the file exists or writing failed. Values are written
    // whole, exactly as stored (see regedit4.h). A key path or value name
    // holding a line break cannot be written, and a listing that fails
    // part-way would leave values out: then the export gives 0 and leaves no
    // file.
    long ExportToReg(const std::string& sPath, const std::string& sRegFile,
                     bool IncludeSubkeys = false, const ExportProgress& Output = nullptr);
    // Applies a "REGEDIT4" file; 1 when processed to its end. Leaves
    // CreateKeyIfDoesntExists set to true. Names are taken exactly as the
    // file quotes them ("@" unquoted is the default value). A file whose
    // keys lie in more than one root key is refused (0, nothing written)
    // unless `AllowOtherHives`.
    long ImportFromReg(const std::string& sRegFile, bool AllowOtherHives = false);

    // Reads a string value of up to 254 characters. Leading and trailing
    // spaces of the value are lost, a longer value gives `sDefault`.
    std::string ReadString(const std::string& sPath, const std::string& sName,
                           const std::string& sDefault);

    static std::string StrToBin(std::string& sBin);
    static std::string BinToStr(const std::string& sStr);
    static bool isBinValid(const std::string& sBin);

private:
    // One value as stored: exact name, type and bytes, nothing cut.
    struct StoredValue {
        std::string name;
        DWORD type = 0;
        std::string bytes;
    };
    // How a listing of a key's values or subkeys ended: with every entry, at a
    // key that cannot be opened (no entries), or part-way (an error, or a
    // value that kept growing while it was read).
    enum class Listing { Whole, NotOpened, Broken };
    // Every value of the key, in enumeration order.
    Listing EnumStoredValues(const std::string& sPath, std::vector<StoredValue>& values);
    // The subkey names, as EnumKeys lists them.
    Listing ListKeys(const std::string& sPath, std::vector<std::string>& keys);
    // Sets a value under its exact name (no "@" rule), creating the key as
    // the Write operations do.
    long WriteStored(const std::string& sPath, const std::string& sName, DWORD type,
                     const std::string& bytes);
    // Writes the block of one key (and of its subkeys when asked) through
    // `write`; false when a write or a listing failed.
    using BlockWriter = std::function<bool(const std::string& text)>;
    bool WriteKeyBlock(const std::string& sPath, const BlockWriter& write, bool includeSubkeys,
                       const ExportProgress& output);

    bool createIfMissing_ = true;
};

// Sees each key that RegAccess opens or creates, with the path as given and
// the rights asked for, before the call. Tests record here what a caller asks of the
// registry; empty (the start) records nothing.
using RegOpenObserver = std::function<void(const std::string& path, REGSAM access)>;
void SetRegOpenObserver(RegOpenObserver observer);

// Sees the result of each listing call (RegEnumKeyExA when `keys`, else
// RegEnumValueA) on the key at `path`, entry `index`, and returns the result
// to act on. Tests make a listing fail part-way here; empty (the start)
// changes nothing.
using RegEnumFilter = std::function<LONG(const std::string& path, bool keys, DWORD index, LONG result)>;
void SetRegEnumFilter(RegEnumFilter filter);

// The text of a listed value: the string or binary text, a number in decimal,
// the empty string for a value of another type.
std::string RegValueText(const RegValue& value);
