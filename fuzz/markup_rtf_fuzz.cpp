// libFuzzer target for what users can type into the composer: any bytes, taken
// as UTF-8 whether or not they are, go through the markup reader and the RTF
// writer (and, split as two colours and a text, through the fader). Nothing may
// crash or read out of bounds; the RTF must always be a balanced document with
// one paragraph per line break and every character above 127 as its UTF-16
// units; reading and writing together never hold more than 20 bytes of memory
// per byte of markup; the fader never puts a tag inside a character. Stating
// the full format on the way out keeps the document balanced and its text
// the same, and reads any bytes without harm. Any bytes taken as an art design
// file give the design box a balanced document with no table, field or picture
// left in it, groups nested within the bound, at most about twice as long.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <sanitizer/allocator_interface.h>

#include "fuzz/fuzz_fail.h"
#include "designs/design_rtf.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"
#include "link/full_format_rtf.h"
#include "ui/utf8.h"

namespace {

// Bytes allocated since the count was last reset, and their high-water mark.
// Frees of older blocks may take the count below zero, which is harmless.
long long g_liveBytes = 0, g_peakBytes = 0;

void CountMalloc(const volatile void*, std::size_t size) {
    g_liveBytes += static_cast<long long>(size);
    if (g_liveBytes > g_peakBytes) g_peakBytes = g_liveBytes;
}

void CountFree(const volatile void* block) {
    g_liveBytes -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(block)));
}

// Walks the document as a reader would: groups balance and the last "}" ends
// the document, every escape is whole, and no raw 8-bit or control byte other
// than CR LF appears. Counts the \par words; returns why it is malformed.
const char* Malformed(const std::string& rtf, std::size_t& pars, std::u16string& units) {
    if (rtf.rfind("{\\rtf1", 0) != 0) return "no {\\rtf1 header";
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        const unsigned char next = i + 1 < rtf.size() ? static_cast<unsigned char>(rtf[i + 1]) : 0;
        if (i > 0 && depth == 0) return "text after the closing brace";
        if (c >= 0x80 || (c < 0x20 && c != '\r' && c != '\n')) return "raw byte";
        if (c == '{') ++depth;
        if (c == '}') --depth;
        if (c != '\\') continue;
        if (next == '\\' || next == '{' || next == '}') {
            ++i;
        } else if (next == '\'') {
            if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                !std::isxdigit(static_cast<unsigned char>(rtf[i + 3])))
                return "cut \\' escape";
            i += 3;
        } else if (std::isalpha(next)) {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
            if (rtf.compare(i + 1, end - i - 1, "par") == 0) ++pars;
            if (rtf.compare(i + 1, end - i - 1, "u") == 0) {
                // \uN? with N a signed 16-bit number
                char* after = nullptr;
                const long n = std::strtol(rtf.c_str() + end, &after, 10);
                if (after == rtf.c_str() + end || n < -32768 || n > 32767 || *after != '?') return "bad \\u escape";
                units += static_cast<char16_t>(n);
                end = static_cast<std::size_t>(after - rtf.c_str()) + 1;
            }
            i = end - 1;
        } else {
            return "lone backslash or unknown control symbol";
        }
    }
    return depth == 0 ? nullptr : "group not closed";
}

// Reads what the design box is given as the box would: escapes, \binN data and
// groups. Returns why it is wrong.
const char* UnfitForDesignBox(const std::string& rtf) {
    static const std::string_view kGone[] = {"cell",  "row",    "trowd",  "cellx", "intbl", "itap",
                                             "nestcell", "nestrow", "field", "fldinst", "pict", "nesttableprops"};
    std::size_t depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{' && ++depth > kMaxDesignRtfDepth) return "groups nested too deep";
        if (c == '}' && depth-- == 0) return "a closing brace without its group";
        if (c == '}' && depth == 0 && i + 1 != rtf.size()) return "text after the document";
        if (c != '\\') continue;
        if (i + 1 >= rtf.size()) return "a lone backslash at the end";
        if (rtf[i + 1] == '\'') {
            if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                !std::isxdigit(static_cast<unsigned char>(rtf[i + 3])))
                return "a cut \\' escape";
            i += 3;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string_view word(rtf.data() + i + 1, end - i - 1);
        for (std::string_view gone : kGone)
            if (word == gone) return "a table, field or picture word left";
        const bool negative = end < rtf.size() && rtf[end] == '-';
        if (negative) ++end;
        long long bytes = 0;
        for (; end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end])); ++end)
            if (bytes < 1000000000000) bytes = bytes * 10 + (rtf[end] - '0');
        if (end < rtf.size() && rtf[end] == ' ') ++end;
        if (word == "bin" && !negative) {
            if (bytes > static_cast<long long>(rtf.size() - end)) return "binary data runs past the end";
            end += static_cast<std::size_t>(bytes);
        }
        i = end - 1;
    }
    return depth == 0 ? nullptr : "group not closed";
}

void CheckDesignFile(std::string_view file) {
    const DesignRtf design = PrepareDesignRtf(file);
    if (design.tooDeep && !design.rtf.empty()) Fail("a file nested too deep still given to the box", std::string(file));
    if (design.rtf.size() > 2 * file.size() + 2 * kMaxDesignRtfDepth)
        Fail("the design grew more than twice", std::string(file));
    if (const char* why = UnfitForDesignBox(design.rtf)) Fail(why, design.rtf);
}

void CheckRendering(std::string_view markup) {
    g_liveBytes = g_peakBytes = 0;
    const RenderedMarkup doc = ReadMarkup(markup);
    std::size_t total = 0;
    for (std::size_t k = 0; k < doc.runs.size(); ++k) {
        if (doc.runs[k].text.empty()) Fail("empty run", std::string(markup));
        if (k > 0 && doc.runs[k].format == doc.runs[k - 1].format) Fail("unmerged runs", std::string(markup));
        total += doc.runs[k].text.size();
    }
    if (total != doc.length || total > markup.size()) Fail("length mismatch", std::string(markup));

    const std::string rtf = WriteRtf(doc);
    if (g_peakBytes > 20 * static_cast<long long>(markup.size()) + 4096)
        Fail("reading and writing took more than 20 bytes per byte of markup",
             std::to_string(g_peakBytes) + " bytes for " + std::to_string(markup.size()));
    std::size_t pars = 0;
    std::u16string units;
    if (const char* why = Malformed(rtf, pars, units)) Fail(why, rtf);
    if (markup.find('<') == std::string_view::npos) {
        // All of it is text: the \u escapes are exactly its characters above 127.
        std::u16string expected;
        for (char16_t u : Utf16FromUtf8(markup))
            if (u >= 0x80) expected += u;
        if (units != expected) Fail("characters above 127 not written as their UTF-16 units", rtf);
    }
    // A CR LF is one break, even with NUL bytes or a run boundary between them.
    std::size_t breaks = 0;
    bool afterCr = false;
    for (const FormattedRun& run : doc.runs)
        for (const char ch : run.text) {
            if (ch == '\0') continue;
            if (ch == '\r' || (ch == '\n' && !afterCr)) ++breaks;
            afterCr = ch == '\r';
        }
    if (pars != breaks + 1) Fail("paragraphs do not match the line breaks", rtf);

    const std::string full = StateFullFormat(rtf);
    std::size_t fullPars = 0;
    std::u16string fullUnits;
    if (const char* why = Malformed(full, fullPars, fullUnits)) Fail(why, full);
    if (fullPars != pars || fullUnits != units) Fail("stating the full format changed the text", full);
    StateFullFormat("{\\rtf1" + std::string(markup));
    CheckDesignFile(rtf);
}

void CheckFade(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return;
    std::int32_t a, b;
    std::memcpy(&a, data, 4);
    std::memcpy(&b, data + 4, 4);
    const std::string text(reinterpret_cast<const char*>(data + 8), size - 8);
    const std::string markup = FadeText(a, b, text);
    if (text.find('<') != std::string::npos) {
        CheckRendering(markup);
        return;
    }
    // Without a "<" in the text the tags are the only markup: rendering gives
    // the text back, in at most six colours, the last one exactly colour B's.
    const RenderedMarkup doc = ReadMarkup(markup);
    std::string rendered;
    for (const FormattedRun& run : doc.runs) rendered += run.text;
    if (rendered != text) Fail("fade lost or changed characters", markup);
    if (IsValidUtf8(text))
        for (std::size_t k = 0; k < doc.runs.size(); ++k) {
            // A mark at the very start has no base and is a character of its own.
            const std::string_view run = doc.runs[k].text;
            const char32_t first = DecodeUtf8(run, 0).value;
            if (!IsValidUtf8(run) || (k > 0 && (first == 0x200D || (first >= 0x300 && first <= 0x36F))))
                Fail("a colour tag inside a character", markup);
        }
    if (doc.runs.size() > 7) Fail("too many colour segments", markup);
    if (!text.empty()) {
        const ColorChannels cb = SplitColor(b);
        const std::uint32_t expectB = static_cast<std::uint32_t>(cb.red + 256 * cb.green + 65536 * cb.blue);
        if (doc.endFormat.color != expectB) Fail("fade does not end in colour B", markup);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(CountMalloc, CountFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckRendering(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckDesignFile(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckFade(data, size);
    return 0;
}
