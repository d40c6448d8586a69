// The Main tab's lists in-process: the nick list with "nicks.txt", the dance
// lists with "dl.txt" and "dr.txt", and the frames they fill.
#include "tests/win/main_tab_test_helpers.h"

namespace {

using Entries = std::vector<std::string>;

class NickListTest : public MainTabTest {
protected:
    void AddNick(const std::string& nick) {
        form->SetControlText(IDC_TEXT3, nick);
        Click(IDC_COMMAND10);
    }
    std::string Chosen() { return form->Label3Caption(); }
};

TEST_F(NickListTest, AddAppendsAndRewritesTheWholeFile) {
    dir.Write("nicks.txt", "Ann\r\nZed\r\n");
    Open();
    AddNick("Bob");
    EXPECT_EQ(Rows(IDC_LIST1), (Entries{"Ann", "Zed", "Bob"}));  // appended, not sorted
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZed\r\nBob\r\n");
    EXPECT_EQ(form->ControlText(IDC_TEXT3), "Bob");  // Text3 keeps what was typed
    // Duplicates and an empty nick are rows like any other.
    AddNick("Bob");
    AddNick("");
    EXPECT_EQ(Rows(IDC_LIST1), (Entries{"Ann", "Zed", "Bob", "Bob", ""}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZed\r\nBob\r\nBob\r\n\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NickListTest, ChoosingAndClearingTheNick) {
    dir.Write("nicks.txt", "Ann\r\nBob\r\nNo Nick\r\n\r\n");
    Open();
    EXPECT_EQ(Chosen(), "No Nick");
    ClickRow(IDC_LIST1, 1);
    EXPECT_EQ(Chosen(), "Bob");
    // A keyboard move reports the same change of selection.
    SendMessageA(form->Control(IDC_LIST1), LB_SETCURSEL, 0, 0);
    form->OnCommand(IDC_LIST1, LBN_SELCHANGE, form->Control(IDC_LIST1));
    EXPECT_EQ(Chosen(), "Ann");
    ClickRow(IDC_LIST1, 3);
    EXPECT_EQ(Chosen(), "");  // the empty nick is chosen, not "no nick"
    form->OnCommand(IDC_LABEL3, STN_CLICKED, form->Control(IDC_LABEL3));
    EXPECT_EQ(Chosen(), "No Nick");
    // Choosing the row that reads "No Nick" is the same as choosing none.
    ClickRow(IDC_LIST1, 2);
    EXPECT_EQ(Chosen(), "No Nick");
    EXPECT_EQ(Rows(IDC_LIST1).size(), 4u);
}

TEST_F(NickListTest, DeleteRemovesTheSelectedRowAndKeepsTheChosenNick) {
    dir.Write("nicks.txt", "Ann\r\nBob\r\nCy\r\n");
    Open();
    ClickRow(IDC_LIST1, 1);
    Click(IDC_COMMAND11);
    EXPECT_EQ(Rows(IDC_LIST1), (Entries{"Ann", "Cy"}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nCy\r\n");
    EXPECT_EQ(Chosen(), "Bob");  // a copy: still chosen after its row went
    // Nothing selected: nothing goes, the file is written all the same.
    SendMessageA(form->Control(IDC_LIST1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    dir.Write("nicks.txt", "stale\r\n");
    Click(IDC_COMMAND11);
    EXPECT_EQ(Rows(IDC_LIST1), (Entries{"Ann", "Cy"}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nCy\r\n");
    // The last row down to the first: deleting the last row works too.
    ClickRow(IDC_LIST1, 1);
    Click(IDC_COMMAND11);
    ClickRow(IDC_LIST1, 0);
    Click(IDC_COMMAND11);
    EXPECT_TRUE(Rows(IDC_LIST1).empty());
    EXPECT_EQ(dir.Read("nicks.txt"), "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NickListTest, AFileThatCannotBeWrittenIsPassedOverSilently) {
    Open();
    DeleteFileA(dir.File("nicks.txt").c_str());
    CreateDirectoryA(dir.File("nicks.txt").c_str(), nullptr);  // a folder in the file's place
    AddNick("Bob");
    AddNick("Ann");
    ClickRow(IDC_LIST1, 0);
    Click(IDC_COMMAND11);
    EXPECT_EQ(Rows(IDC_LIST1), (Entries{"Ann"}));
    EXPECT_EQ(Chosen(), "Bob");
    EXPECT_TRUE(ui.messages.empty());
    RemoveDirectoryA(dir.File("nicks.txt").c_str());
}

class DanceListTest : public MainTabTest {
protected:
    void SetFrames(const std::string& left, const std::string& right) {
        Box(2).SetText(left);
        Box(3).SetText(right);
    }
};

TEST_F(DanceListTest, DoubleClickPutsTheRowIntoItsFrameAsPlainText) {
    dir.Write("dl.txt", "\\o/\r\n(>'.')>\r\n");
    dir.Write("dr.txt", "/o\\\r\n<('.'<)\r\n");
    Open();
    Box(2).SetText("old left");
    MakeBold(2, 0, 8);
    Box(3).SetText("old right");
    const std::string rightBefore = Box(3).TextRTF();
    DoubleClickRow(IDC_LIST2, 1);
    EXPECT_EQ(Box(2).Text(), "(>'.')>");
    Box(2).Select(0, 1);
    EXPECT_FALSE(ProbeSelectionFormat(Box(2).Hwnd()).bold);  // the former formatting went
    EXPECT_EQ(Box(3).TextRTF(), rightBefore);  // each list fills only its own frame
    DoubleClickRow(IDC_LIST3, 0);
    EXPECT_EQ(Box(3).Text(), "/o\\");
    EXPECT_EQ(Box(2).Text(), "(>'.')>");
    // A double-click with no row selected leaves the frame as it is.
    SendMessageA(form->Control(IDC_LIST2), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    form->OnCommand(IDC_LIST2, LBN_DBLCLK, form->Control(IDC_LIST2));
    EXPECT_EQ(Box(2).Text(), "(>'.')>");
}

TEST_F(DanceListTest, AddAppendsThePairAndDelRemovesThePairSelectedOnTheLeft) {
    Open();
    SetFrames("\\o/", "/o\\");
    MakeBold(2, 0, 3);
    Click(IDC_COMMAND14);
    SetFrames("", "");
    Click(IDC_COMMAND14);  // two empty frames: two empty rows
    SetFrames("a", "b");
    Click(IDC_COMMAND14);
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"\\o/", "", "a"}));
    EXPECT_EQ(Rows(IDC_LIST3), (Entries{"/o\\", "", "b"}));
    EXPECT_EQ(dir.Read("dl.txt"), "");  // Add writes nothing
    ClickRow(IDC_LIST2, 1);
    Click(IDC_COMMAND13);
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"\\o/", "a"}));
    EXPECT_EQ(Rows(IDC_LIST3), (Entries{"/o\\", "b"}));
    // A row selected only on the right deletes nothing.
    SendMessageA(form->Control(IDC_LIST2), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ClickRow(IDC_LIST3, 0);
    Click(IDC_COMMAND13);
    EXPECT_EQ(Rows(IDC_LIST2).size(), 2u);
    EXPECT_EQ(Rows(IDC_LIST3).size(), 2u);
    EXPECT_EQ(dir.Read("dr.txt"), "");  // Del writes nothing
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DanceListTest, DelWithAShorterRightListIsNoError) {
    dir.Write("dl.txt", "l1\r\nl2\r\nl3\r\n");
    dir.Write("dr.txt", "r1\r\n");
    Open();
    ClickRow(IDC_LIST2, 2);
    Click(IDC_COMMAND13);
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"l1", "l2"}));
    EXPECT_EQ(Rows(IDC_LIST3), (Entries{"r1"}));
    ClickRow(IDC_LIST2, 0);
    Click(IDC_COMMAND13);
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"l2"}));
    EXPECT_TRUE(Rows(IDC_LIST3).empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DanceListTest, SaveRewritesBothFilesAndShowsWhatTheyHold) {
    dir.Write("dl.txt", "old\r\n");
    dir.Write("dr.txt", "old\r\n");
    Open();
    ClickRow(IDC_LIST2, 0);
    Click(IDC_COMMAND13);
    for (auto [left, right] : {std::pair{"\\o/", "/o\\"}, {"caf\xE9", "na\xEFve"}, {"", "x, \"y\""}}) {
        SetFrames(left, right);
        Click(IDC_COMMAND14);
    }
    Click(IDC_COMMAND12);
    EXPECT_EQ(dir.Read("dl.txt"), "\\o/\r\ncaf\xE9\r\n\r\n");
    EXPECT_EQ(dir.Read("dr.txt"), "/o\\\r\nna\xEFve\r\nx, \"y\"\r\n");
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"\\o/", "caf\xE9", ""}));
    EXPECT_EQ(Rows(IDC_LIST3), (Entries{"/o\\", "na\xEFve", "x, \"y\""}));
    // The next start reads back the same lists.
    form.reset();
    Open();
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"\\o/", "caf\xE9", ""}));
    EXPECT_EQ(Rows(IDC_LIST3), (Entries{"/o\\", "na\xEFve", "x, \"y\""}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DanceListTest, SaveReloadsFromDiskSoAnUnwrittenRightFileShowsAsItIs) {
    Open();
    SetFrames("L", "R");
    Click(IDC_COMMAND14);
    // dr.txt cannot be written (a folder stands in its place): the right list
    // comes back empty, with no message, and the left one from its file.
    DeleteFileA(dir.File("dr.txt").c_str());
    CreateDirectoryA(dir.File("dr.txt").c_str(), nullptr);
    Click(IDC_COMMAND12);
    EXPECT_EQ(Rows(IDC_LIST2), (Entries{"L"}));
    EXPECT_TRUE(Rows(IDC_LIST3).empty());
    EXPECT_TRUE(ui.messages.empty());
    RemoveDirectoryA(dir.File("dr.txt").c_str());
}

TEST_F(DanceListTest, SaveWithoutDlTxtAfterwardsSaysSoAndEmptiesBothLists) {
    dir.Write("dr.txt", "kept\r\n");
    Open();
    SetFrames("L", "R");
    Click(IDC_COMMAND14);
    DeleteFileA(dir.File("dl.txt").c_str());
    CreateDirectoryA(dir.File("dl.txt").c_str(), nullptr);
    Click(IDC_COMMAND12);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "One of the files [dl.txt] or [nicks.txt] does not exist.");
    EXPECT_EQ(ui.messages[0].title, "Error");
    EXPECT_EQ(ui.messages[0].flags, 16u);
    EXPECT_TRUE(Rows(IDC_LIST2).empty());
    EXPECT_TRUE(Rows(IDC_LIST3).empty());  // dr.txt was written but is not read
    EXPECT_EQ(dir.Read("dr.txt"), "kept\r\nR\r\n");
    RemoveDirectoryA(dir.File("dl.txt").c_str());
}

}  // namespace
