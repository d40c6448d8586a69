// libFuzzer target for the list-file reader: any bytes decode to UTF-8 entries
// in one of the three encodings, save the way the program saves them today when
// nothing was added, and read back as the same entries after any save.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_fail.h"
#include "ui/line_list.h"
#include "ui/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const ListFile read = DecodeListFile(file);
    for (const std::string& entry : read.entries)
        if (!IsValidUtf8(entry)) Fail("an entry is not UTF-8", file);
    const std::string saved = EncodeListFile(read.entries, read.encoding);
    // Without a mark the bytes go back as they came, lines ended by CR LF.
    if (read.encoding != ListEncoding::Utf8WithBom && saved != FormatLineList(ParseLineList(file)))
        Fail("saving an unchanged list changed its bytes", file);
    const ListFile again = DecodeListFile(saved);
    if (again.entries != read.entries) Fail("a saved list reads back different", file);
    // An entry with a character Windows-1252 lacks must survive a save from a
    // file that was Windows-1252.
    std::vector<std::string> grown = read.entries;
    grown.push_back("\xE2\x98\x95");
    if (DecodeListFile(EncodeListFile(grown, ListEncoding::Windows1252)).entries != grown)
        Fail("a new character was lost on save", file);
    return 0;
}
