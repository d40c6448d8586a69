#include "registry/reg_access_win.h"

#include "registry/bin_text.h"
#include "registry/reg_path.h"

#include <cstdint>

namespace {

// Access rights per kind of use, each with the 32-bit registry view (see the
// header). Testing for a key and deleting ask for full access on purpose: a
// key we cannot change counts as missing.
constexpr REGSAM kRead = KEY_READ | KEY_WOW64_32KEY;           // 0x20019
constexpr REGSAM kWrite = KEY_WRITE | KEY_WOW64_32KEY;         // 0x20006
constexpr REGSAM kFullAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;  // 0xF003F
// A plain open (listing subkeys or values) takes whatever access the user has.
constexpr REGSAM kPlainOpen = MAXIMUM_ALLOWED | KEY_WOW64_32KEY;

// Names and data are read into buffers of this many characters.
constexpr DWORD kBufferLength = 255;
// Longest value name the registry allows, plus its NUL.
constexpr DWORD kLongestValueName = 16384;
// Longest key name the registry allows, plus its NUL.
constexpr DWORD kLongestKeyName = 256;

HKEY RootHandle(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegRoot::Users: return HKEY_USERS;
        case RegRoot::PerformanceData: return HKEY_PERFORMANCE_DATA;
        case RegRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
        case RegRoot::DynData: return HKEY_DYN_DATA;
        case RegRoot::None: break;
    }
    return nullptr;  // every registry call on it fails
}

RegOpenObserver& OpenObserver() {
    static RegOpenObserver observer;
    return observer;
}

RegEnumFilter& EnumFilter() {
    static RegEnumFilter filter;
    return filter;
}

LONG Filtered(const std::string& path, bool keys, DWORD index, LONG result) {
    return EnumFilter() ? EnumFilter()(path, keys, index, result) : result;
}

// A key opened by one operation, closed when the operation returns, on every
// path.
class OpenedKey {
public:
    OpenedKey() = default;
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() {
        if (key_) RegCloseKey(key_);
    }
    bool Open(const std::string& sPath, REGSAM access) {
        if (OpenObserver()) OpenObserver()(sPath, access);
        const RegPath path = ParseRegPath(sPath);
        return RegOpenKeyExA(RootHandle(path.root), path.subkey.c_str(), 0, access, &key_) ==
               ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }
    HKEY* Receive() { return &key_; }

private:
    HKEY key_ = nullptr;
};

// The value the handle-returning operations report: the opened key's handle.
// Callers only compare it with 0, so a handle whose low 32 bits happen to be
// zero must still read as success.
long HandleValue(HKEY key) {
    const auto bits = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(key));
    return bits == 0 ? 1 : static_cast<long>(bits);
}

const BYTE* Bytes(const std::string& s) { return reinterpret_cast<const BYTE*>(s.data()); }
BYTE* Bytes(std::string& s) { return reinterpret_cast<BYTE*>(s.data()); }

}  // namespace

std::string RegValueText(const RegValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<long>(&value)) return std::to_string(*number);
    return std::string();
}

void SetRegOpenObserver(RegOpenObserver observer) { OpenObserver() = std::move(observer); }
void SetRegEnumFilter(RegEnumFilter filter) { EnumFilter() = std::move(filter); }

std::string RegAccess::StrToBin(std::string& sBin) { return ::StrToBin(sBin); }
std::string RegAccess::BinToStr(const std::string& sStr) { return ::BinToStr(sStr); }
bool RegAccess::isBinValid(const std::string& sBin) { return ::isBinValid(sBin); }

long RegAccess::CreateKey(const std::string& sPath) {
    const RegPath path = ParseRegPath(sPath);
    OpenedKey key;
    if (OpenObserver()) OpenObserver()(sPath, kPlainOpen);
    if (RegCreateKeyExA(RootHandle(path.root), path.subkey.c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, kPlainOpen, nullptr, key.Receive(),
                        nullptr) != ERROR_SUCCESS)
        return 0;
    return HandleValue(key.Get());
}

long RegAccess::KillKey(const std::string& sPath) {
    OpenedKey key;
    if (!key.Open(sPath, kFullAccess)) return 0;
    // The empty name deletes the opened key itself, in whichever view it was
    // found. A key with subkeys may refuse; that is not reported.
    RegDeleteKeyA(key.Get(), "");
    return HandleValue(key.Get());
}

bool RegAccess::KeyExists(const std::string& sPath) {
    OpenedKey key;
    return key.Open(sPath, kFullAccess);
}

bool RegAccess::KeyReadable(const std::string& sPath) {
    OpenedKey key;
    return key.Open(sPath, kRead);
}

long RegAccess::EnumKeys(const std::string& sPath, std::vector<std::string>& Key) {
    // A listing that fails part-way keeps the names found until then.
    return ListKeys(sPath, Key) == Listing::NotOpened ? -1 : static_cast<long>(Key.size());
}

RegAccess::Listing RegAccess::ListKeys(const std::string& sPath, std::vector<std::string>& Key) {
    Key.clear();
    OpenedKey key;
    if (!key.Open(sPath, kPlainOpen)) return Listing::NotOpened;
    for (DWORD index = 0;; ++index) {
        std::string name(kBufferLength, ' ');
        DWORD length = kBufferLength;
        LONG result = Filtered(sPath, true, index, RegEnumKeyExA(key.Get(), index, name.data(), &length,
                                                                 nullptr, nullptr, nullptr, nullptr));
        if (result == ERROR_NO_MORE_ITEMS) return Listing::Whole;
        if (result == ERROR_MORE_DATA) {
            // A name of 255 characters (the longest there is) does not fit
            // with its NUL: fetch it whole.
            name.assign(kLongestKeyName, ' ');
            length = kLongestKeyName;
            result = RegEnumKeyExA(key.Get(), index, name.data(), &length, nullptr, nullptr,
                                   nullptr, nullptr);
        }
        // Any other failure would repeat for every index.
        if (result != ERROR_SUCCESS) return Listing::Broken;
        Key.push_back(name.substr(0, length));
    }
}

bool RegAccess::HaveSubkey(const std::string& sPath) {
    OpenedKey key;
    if (!key.Open(sPath, kPlainOpen)) return false;
    std::string name(kBufferLength, ' ');
    DWORD length = kBufferLength;
    return RegEnumKeyExA(key.Get(), 0, name.data(), &length, nullptr, nullptr, nullptr,
                         nullptr) != ERROR_NO_MORE_ITEMS;
}

long RegAccess::WriteStored(const std::string& sPath, const std::string& sName, DWORD type,
                            const std::string& bytes) {
    if (!KeyExists(sPath)) {
        if (!createIfMissing_) return 0;
        CreateKey(sPath);  // a failed creation shows as a failed open below
    }
    OpenedKey key;
    if (!key.Open(sPath, kWrite)) return 0;
    // A string's size counts its characters only, no terminating NUL.
    if (RegSetValueExA(key.Get(), sName.c_str(), 0, type, Bytes(bytes),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        return 0;
    return HandleValue(key.Get());
}

long RegAccess::WriteString(const std::string& sPath, const std::string& sName,
                            const std::string& sValue) {
    return WriteStored(sPath, sName == "@" ? std::string() : sName, REG_SZ, sValue);
}

long RegAccess::WriteDWORD(const std::string& sPath, const std::string& sName, long lValue) {
    const DWORD number = static_cast<DWORD>(lValue);
    return WriteStored(sPath, sName, REG_DWORD,
                       std::string(reinterpret_cast<const char*>(&number), sizeof number));
}

long RegAccess::WriteBinary(const std::string& sPath, const std::string& sName,
                            const std::string& sValue) {
    std::string text = sValue;
    return WriteStored(sPath, sName, REG_BINARY, ::StrToBin(text));
}

std::string RegAccess::ReadString(const std::string& sPath, const std::string& sName,
                                  const std::string& sDefault) {
    OpenedKey key;
    if (!key.Open(sPath, kRead)) return sDefault;
    std::string buffer(kBufferLength, ' ');
    DWORD length = kBufferLength;
    DWORD type = REG_SZ;
    if (RegQueryValueExA(key.Get(), sName.c_str(), nullptr, &type, Bytes(buffer), &length) !=
        ERROR_SUCCESS)
        return sDefault;
    // The buffer holds the value, normally its NUL, then the unused spaces.
    // Trimming takes the spaces (and any of the value's own at either end);
    // the last character left is the NUL.
    std::string value = TrimSpaces(buffer);
    if (value.empty()) return value;  // an empty value stored without its NUL
    value.pop_back();
    return value;
}

long RegAccess::ReadDWORD(const std::string& sPath, const std::string& sName, long lDefault) {
    OpenedKey key;
    if (!key.Open(sPath, kRead)) return lDefault;
    DWORD number = 0;
    DWORD length = sizeof number;
    DWORD type = REG_DWORD;
    if (RegQueryValueExA(key.Get(), sName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&number), &length) != ERROR_SUCCESS)
        return lDefault;
    return static_cast<long>(number);
}

std::string RegAccess::ReadBinary(const std::string& sPath, const std::string& sName,
                                  const std::string& sDefault) {
    OpenedKey key;
    if (!key.Open(sPath, kRead)) return sDefault;
    // First ask for one byte only, to learn the size of the data.
    BYTE probe = 0;
    DWORD size = 1;
    DWORD type = REG_BINARY;
    RegQueryValueExA(key.Get(), sName.c_str(), nullptr, &type, &probe, &size);
    std::string buffer(size, '\0');
    type = REG_BINARY;
    if (RegQueryValueExA(key.Get(), sName.c_str(), nullptr, &type, Bytes(buffer), &size) !=
        ERROR_SUCCESS)
        return sDefault;
    if (size < buffer.size()) buffer.resize(size);
    return TrimSpaces(::BinToStr(buffer));
}

long RegAccess::KillValue(const std::string& sPath, const std::string& sName) {
    OpenedKey key;
    if (!key.Open(sPath, kFullAccess)) return 0;
    RegDeleteValueA(key.Get(), sName.c_str());  // its own result is not reported
    return HandleValue(key.Get());
}

bool RegAccess::ValueExists(const std::string& sPath, const std::string& sName) {
    OpenedKey key;
    if (!key.Open(sPath, kRead)) return false;
    DWORD size = 1;
    return RegQueryValueExA(key.Get(), sName.c_str(), nullptr, nullptr, nullptr, &size) ==
           ERROR_SUCCESS;
}

RegAccess::Listing RegAccess::EnumStoredValues(const std::string& sPath, std::vector<StoredValue>& values) {
    values.clear();
    OpenedKey key;
    if (!key.Open(sPath, kPlainOpen)) return Listing::NotOpened;
    DWORD nameMax = 0, dataMax = 0;
    RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &nameMax, &dataMax, nullptr, nullptr);
    std::string name, data;
    int retries = 0;
    for (DWORD index = 0;;) {
        name.assign(nameMax + 1, '\0');
        data.assign(dataMax, '\0');
        DWORD nameLength = nameMax + 1, dataLength = dataMax, type = 0;
        const LONG result = Filtered(sPath, false, index, RegEnumValueA(key.Get(), index, name.data(), &nameLength,
                                                                        nullptr, &type, Bytes(data), &dataLength));
        if (result == ERROR_MORE_DATA && retries++ < 4) {
            // The value grew since the sizes were asked: retry with room for
            // the longest name and the data size just reported.
            nameMax = kLongestValueName;
            dataMax = dataLength > dataMax ? dataLength : dataMax * 2;
            continue;
        }
        if (result == ERROR_NO_MORE_ITEMS) return Listing::Whole;
        // A value that keeps growing, or a failure that would repeat.
        if (result != ERROR_SUCCESS) return Listing::Broken;
        values.push_back({name.substr(0, nameLength), type, data.substr(0, dataLength)});
        ++index;
        retries = 0;
    }
}

long RegAccess::EnumValues(const std::string& sPath, std::vector<std::string>& sName,
                           std::vector<RegValue>& sValue, long OnlyType) {
    // A key that cannot be opened leaves both arrays empty too.
    sName.clear();
    sValue.clear();
    OpenedKey key;
    if (!key.Open(sPath, kPlainOpen)) return -1;
    for (DWORD index = 0;; ++index) {
        std::string name(kBufferLength, ' ');
        std::string data(kBufferLength, ' ');
        DWORD nameLength = kBufferLength;
        DWORD dataLength = kBufferLength;
        DWORD type = 0;
        LONG result = RegEnumValueA(key.Get(), index, name.data(), &nameLength, nullptr, &type,
                                    Bytes(data), &dataLength);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_MORE_DATA) {
            // A name or data longer than the buffers: fetch the entry whole,
            // then keep only what the buffers would have held.
            for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
                name.assign(kLongestValueName, ' ');
                nameLength = kLongestValueName;
                data.assign(dataLength > kBufferLength ? dataLength : kBufferLength * 2, ' ');
                dataLength = static_cast<DWORD>(data.size());
                result = RegEnumValueA(key.Get(), index, name.data(), &nameLength, nullptr,
                                       &type, Bytes(data), &dataLength);
            }
            if (nameLength > kBufferLength) nameLength = kBufferLength;
            if (dataLength > kBufferLength) dataLength = kBufferLength;
        }
        // Any other failure would repeat for every index; end the listing.
        if (result != ERROR_SUCCESS) break;
        if (OnlyType != -1 && static_cast<DWORD>(OnlyType) != type) continue;

        const std::string valueName = TrimSpaces(name.substr(0, nameLength));
        RegValue value;
        switch (type) {
            case REG_BINARY:
                value = dataLength < 1 ? std::string()
                                       : TrimSpaces(::BinToStr(data.substr(0, dataLength)));
                break;
            case REG_DWORD: value = ReadDWORD(sPath, valueName, 0); break;
            case REG_SZ: value = ReadString(sPath, valueName, ""); break;
            default: break;  // other types are listed with an empty value
        }
        sName.push_back(valueName);
        sValue.push_back(std::move(value));
    }
    return static_cast<long>(sName.size());
}
