// Shared pieces of the Windows tests: a recorder in place of the real dialogs,
// a scratch application folder, and pumping the message queue.
#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "context/tab_context_win.h"
#include "ui/files_win.h"
#include "ui/list_box_win.h"
#include "ui/message_loop_win.h"
#include "ui/rich_text_box_win.h"
#include "ui/ui_win.h"
#include <gtest/gtest.h>

// Latin accents, Greek, Arabic, CJK and two emoji, the second outside the BMP
// (a surrogate pair in the controls); and a room title no ANSI code page holds.
inline const std::string kMixedScripts = "Ça été, Ελληνικά, العربية, 中文 ☕ 😀";
inline const std::string kUnicodeRoom = "Café ☕ Λέσχη";

struct RecordedMessage {
    std::string text;
    std::string title;
    UINT flags;
    bool operator==(const RecordedMessage&) const = default;
};

// Records every message box and answers colour dialogs from a script.
class RecorderUi : public Ui {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) override;
    bool ChooseColor(HWND owner, COLORREF& color) override;
    void OpenUrl(const std::string& address) override;

    std::vector<RecordedMessage> messages;
    std::vector<std::string> opened;
    int nextAnswer = IDOK;                     // returned by MessageBox
    std::deque<COLORREF> colorAnswers;         // next accepted colours; empty: cancel
    int colorDialogs = 0;                      // how often the colour dialog was shown
};

// A fresh empty folder under %TEMP%, removed with its content on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

// A control's caption as the user reads it: the "&" that marks its access key
// left out ("&&" stands for one "&").
std::string CaptionOf(HWND control);

// RichTextBox1 .. RichTextBox6 by number, for tests that go over several.
RichTextBox& NumberedBox(TabContext& context, int number);

// Two real rich text boxes in a hidden host window, for tests that compare
// what two ways of filling a box leave in it.
class TwoBoxes : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { DestroyWindow(host_); }

    HWND host_ = nullptr;
    RichTextBox a_, b_;
};
