// libFuzzer target for what users can type into the composer: any bytes go
// through the markup reader and the RTF writer (and, split as two colours and
// a text, through the fader). Nothing may crash or read out of bounds, and the
// RTF must always be a balanced document that reads back as the same runs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"
#include "tests/native/rtf_scan.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.c_str());
    std::abort();
}

void CheckRendering(std::string_view markup) {
    const RenderedMarkup doc = ReadMarkup(markup);
    std::size_t total = 0;
    for (std::size_t k = 0; k < doc.runs.size(); ++k) {
        if (doc.runs[k].text.empty()) Fail("empty run", std::string(markup));
        if (k > 0 && doc.runs[k].format == doc.runs[k - 1].format) Fail("unmerged runs", std::string(markup));
        total += doc.runs[k].text.size();
    }
    if (total != doc.length || total > markup.size()) Fail("length mismatch", std::string(markup));

    const std::string rtf = WriteRtf(doc);
    const ScannedRtf back = ScanRtf(rtf);
    if (!back.ok) Fail("unbalanced or malformed RTF", back.error + "\n" + rtf);
    const std::vector<FormattedRun> expected = NormalizeRuns(doc.runs);
    if (back.runs.size() != expected.size()) Fail("run count differs after reading back", rtf);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (back.runs[k].text != expected[k].text) Fail("text differs after reading back", rtf);
        if (!(back.runs[k].format == expected[k].format)) Fail("format differs after reading back", rtf);
    }
    if (!(back.endFormat == NormalizeFormat(doc.endFormat))) Fail("end format differs", rtf);
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
    if (doc.runs.size() > 7) Fail("too many colour segments", markup);
    if (!text.empty()) {
        const ColorChannels cb = SplitColor(b);
        const std::uint32_t expectB = static_cast<std::uint32_t>(cb.red + 256 * cb.green + 65536 * cb.blue);
        if (doc.endFormat.color != expectB) Fail("fade does not end in colour B", markup);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckRendering(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckFade(data, size);
    return 0;
}
