// The demo messenger's transcript: one record per posted message, written by
// the messenger and read back by tests. Each record is
//
//   #message rtf=<bytes> text=<bytes> ms=<when> room=<room title>
//   <the RTF exactly as the input box wrote it>
//   <the plain text, line breaks as CR LF>
//   #end
//
// The byte counts make the record safe to read whatever the message holds
// (its own line breaks, a line that looks like "#end"); the separators are
// single LF bytes so the file still reads well in an editor. "ms" is the
// moment of posting in milliseconds of the performance counter, which every
// process reads alike, so a test can compare the pause between two messages
// with the pause it asked for. Portable and header-only: the messenger and
// the test driver share it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct TranscriptEntry {
    std::string room;  // title of the room window that posted it
    std::string rtf;   // the input box's content as RTF
    std::string text;  // the same content as plain text
    std::size_t ms = 0;  // when it was posted (see above)
};

inline std::string FormatTranscriptEntry(const TranscriptEntry& entry) {
    std::string out = "#message rtf=" + std::to_string(entry.rtf.size()) +
                      " text=" + std::to_string(entry.text.size()) +
                      " ms=" + std::to_string(entry.ms) + " room=" + entry.room + "\n";
    out += entry.rtf;
    out += "\n";
    out += entry.text;
    out += "\n#end\n";
    return out;
}

namespace transcript_detail {

// Reads the decimal number after `key` in `line`; false when absent or bad.
inline bool ReadCount(const std::string& line, const std::string& key, std::size_t& count) {
    const auto at = line.find(key);
    if (at == std::string::npos) return false;
    std::size_t pos = at + key.size();
    if (pos >= line.size() || line[pos] < '0' || line[pos] > '9') return false;
    count = 0;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        if (count > (static_cast<std::size_t>(-1) - 9) / 10) return false;
        count = count * 10 + static_cast<std::size_t>(line[pos] - '0');
    }
    return true;
}

inline bool Expect(const std::string& data, std::size_t& pos, const std::string& what) {
    if (data.compare(pos, what.size(), what) != 0) return false;
    pos += what.size();
    return true;
}

inline bool Take(const std::string& data, std::size_t& pos, std::size_t count, std::string& out) {
    if (count > data.size() - pos) return false;
    out = data.substr(pos, count);
    pos += count;
    return true;
}

}  // namespace transcript_detail

// Every complete record of `data`, in order. Reading stops quietly at the
// first incomplete or damaged record (a message still being written, say).
inline std::vector<TranscriptEntry> ParseTranscript(const std::string& data) {
    using namespace transcript_detail;
    std::vector<TranscriptEntry> entries;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const auto lineEnd = data.find('\n', pos);
        if (lineEnd == std::string::npos) break;
        const std::string header = data.substr(pos, lineEnd - pos);
        if (header.rfind("#message ", 0) != 0) break;
        const auto roomAt = header.find(" room=");
        std::size_t rtfBytes = 0, textBytes = 0;
        if (roomAt == std::string::npos) break;
        const std::string counts = header.substr(0, roomAt);
        if (!ReadCount(counts, " rtf=", rtfBytes) || !ReadCount(counts, " text=", textBytes)) break;
        TranscriptEntry entry;
        ReadCount(counts, " ms=", entry.ms);
        entry.room = header.substr(roomAt + 6);
        std::size_t at = lineEnd + 1;
        if (!Take(data, at, rtfBytes, entry.rtf) || !Expect(data, at, "\n") ||
            !Take(data, at, textBytes, entry.text) || !Expect(data, at, "\n#end\n"))
            break;
        entries.push_back(std::move(entry));
        pos = at;
    }
    return entries;
}
