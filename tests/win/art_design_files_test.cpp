// Design files written by word processors, opened in the Art Designs tab of a real main
// window: a table the rich edit's own table code cannot take, a nested table, a link field
// and a picture open as their text, rows go out one line each, and a file whose content
// cannot be shown is kept as it is.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

TEST(ArtDesignFiles, TablesFieldsAndPicturesOpenAsTextAndAnUnreadableFileIsNeverSavedOver) {
    const std::pair<std::string, std::string> files[] = {  // the file, the text it shows
        {"{\\rtf1\\trowd\\cellx2000\\intbl A\\cell B\\cell C\\cell D\\cell\\row\\pard After}", "A\tB\tC\tD\r\nAfter"},
        {"{\\rtf1\\pard\\intbl\\itap3 In1\\nestcell In2\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}"
         "{\\nonesttables\\par}\\pard\\intbl\\itap1 Out\\cell\\trowd\\cellx3000\\row}",
         "In1\tIn2\r\nOut"},  // level 3 with no level 2
        {"{\\rtf1 Go {\\field{\\*\\fldinst{HYPERLINK \"http://a.b\"}}{\\fldrslt{\\ul here}}} now}", "Go here now"},
        {"{\\rtf1 Pic{\\pict\\jpegblip ffd8}{\\pict\\dibitmap0 28}{\\pict\\wmetafile8\\bin4 abcd} end}", "Pic end"},
        {"{\\rtf1{\\pict\\pngblip 89504e47}}", ""}};  // nothing the box can show
    RecorderUi ui;
    TempFolder dir;
    for (const char* name : {"dl.txt", "nicks.txt", "saved.txt"}) dir.Write(name, "");
    dir.Write("dlist.txt", "0\r\n1\r\n2\r\n3\r\n4\r\n");
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    for (int k = 0; k < 5; ++k) dir.Write("Designs\\" + std::to_string(k) + ".rtf", files[k].first);
    Form1 form(ui, dir.Path());
    ASSERT_NE(form.Create(true), nullptr);
    form.ShowTab(2);
    auto open = [&](int row) {
        SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, FALSE, -1);
        SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, TRUE, row);
        form.OnCommand(IDC_LIST5, LBN_SELCHANGE);
        return form.Context().ArtDesign().Text() + " " + std::to_string(ui.messages.size());
    };
    for (int k = 0; k < 5; ++k) EXPECT_EQ(open(k), files[k].second + (k < 4 ? " 0" : " 1"));  // 4: "could not be read"
    form.Context().ArtDesign().SetText("drawn after");
    ui.nextAnswer = IDYES;
    form.OnCommand(IDC_COMMAND20, BN_CLICKED);  // Save Changes: asked, then refused
    EXPECT_EQ(dir.Read("Designs\\4.rtf"), files[4].first);
    EXPECT_NE(ui.messages.at(0).text.find("could not be read"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ui.messages.at(2).title + " " + std::to_string(ui.messages.size()), "Save Changes 3");

    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Room"}));
    form.Link().SetPal10Classes();
    form.Context().SetControlText(IDC_COMBO1, "Room");
    form.Context().SetControlText(IDC_TEXT5, "0");
    open(0);
    form.OnCommand(IDC_COMMAND25, BN_CLICKED);
    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(2);
    EXPECT_EQ(posted.at(0).text + "|" + posted.at(1).text, "A\tB\tC\tD|After");
}
