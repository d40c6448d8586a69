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
    const std::pair<const char*, const char*> files[] = {
        {"{\\rtf1\\ansi\\trowd\\cellx2000\\pard\\intbl A\\cell B\\cell C\\cell D\\cell\\row\\pard After}",
         "A\tB\tC\tD\r\nAfter"},  // four cells after one \cellx
        {"{\\rtf1\\ansi\\trowd\\cellx3000\\pard\\intbl Out\\cell\\pard\\intbl\\itap3 In1\\nestcell In2\\nestcell"
         "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}\\pard\\intbl\\itap1\\cell\\row}",
         "Out\tIn1\tIn2"},  // level 3 inside level 1
        {"{\\rtf1\\ansi Go {\\field{\\*\\fldinst{HYPERLINK \"http://example.com\"}}{\\fldrslt{\\ul here}}} now}",
         "Go here now"},
        {"{\\rtf1\\ansi Pic{\\*\\shppict{\\pict\\pngblip\\picw10\\pich10 89504e470d0a}}{\\nonshppict{\\pict\\wmetafile8 "
         "0100}} end}",
         "Pic end"},
        {"{\\rtf1{\\pict\\pngblip 89504e47}}", ""}};  // nothing the box can show
    RecorderUi ui;
    TempFolder dir;
    for (const char* name : {"dl.txt", "nicks.txt", "saved.txt"}) dir.Write(name, "");
    dir.Write("dlist.txt", "table\r\nnested\r\nfield\r\npicture\r\nunreadable\r\n");
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    const char* names[] = {"table", "nested", "field", "picture", "unreadable"};
    for (int k = 0; k < 5; ++k) dir.Write("Designs\\" + std::string(names[k]) + ".rtf", files[k].first);
    Form1 form(ui, dir.Path());
    ASSERT_NE(form.Create(true), nullptr);
    form.ShowTab(2);
    RichTextBox& design = form.Context().ArtDesign();
    auto open = [&](int row) {
        SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, FALSE, -1);
        SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, TRUE, row);
        form.OnCommand(IDC_LIST5, LBN_SELCHANGE);
    };
    for (int k = 0; k < 5; ++k) {
        open(k);
        EXPECT_EQ(design.Text(), files[k].second) << names[k];
        EXPECT_EQ(ui.messages.size(), k < 4 ? 0u : 1u) << names[k];
    }
    design.SetText("drawn after");
    ui.nextAnswer = IDYES;
    form.OnCommand(IDC_COMMAND20, BN_CLICKED);  // Save Changes: asked, then refused
    EXPECT_EQ(dir.Read("Designs\\unreadable.rtf"), files[4].first);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[0].text.find("could not be read"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ui.messages[2].title, "Save Changes");

    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Room"}));
    form.Link().SetPal10Classes();
    form.Context().SetControlText(IDC_COMBO1, "Room");
    form.Context().SetControlText(IDC_TEXT5, "0");
    open(0);
    form.OnCommand(IDC_COMMAND25, BN_CLICKED);
    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(2);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].text + "|" + posted[1].text, "A\tB\tC\tD|After");
}
