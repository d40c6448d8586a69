#include "tools/transcript_format.h"

#include <gtest/gtest.h>

// The command line is exercised by every end-to-end test; the transcript must
// also survive texts that look like its own markers, and a record half written.
TEST(Transcript, RecordsReadBackWholeWhateverTheyHoldAndOnlyOnceComplete) {
    const TranscriptEntry tricky{"Caf\xE9 room=2", "{\\rtf1 x}\r\n", "one\r\n#end\n#message rtf=3 text=0 room=X\r\n",
                                  86400123};
    const std::string file = FormatTranscriptEntry(tricky) + FormatTranscriptEntry({"Lobby", "", ""});
    const auto read = ParseTranscript(file);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(read[0].room == tricky.room && read[0].rtf == tricky.rtf && read[0].text == tricky.text &&
                read[0].ms == tricky.ms);
    EXPECT_EQ(ParseTranscript(file.substr(0, file.size() - 1)).size(), 1u);
}
