// Handlers of the Main tab: the composer and Send, the nick list, the
// auto-send timer and the dance bot.
//
// The composer (RichTextBox1) is also the working box of every message the
// tab sends: Send, the timer and the dance bot leave their last message in it.
// The handlers live in two files: the composer, formatting and nick list in
// main_tab_win.cpp, the timer and the dance lists in dance_bot_win.cpp.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TabContext;
class RichTextBox;

class MainTab {
public:
    explicit MainTab(TabContext& ctx) : ctx_(ctx) {}
    MainTab(const MainTab&) = delete;
    MainTab& operator=(const MainTab&) = delete;

    // Routes a WM_COMMAND of a Main tab control; true when it was one.
    bool OnCommand(int id, int code);

    // Composer and Send.
    void Command1_Click();  // Send
    void Command2_Click();  // Bold
    void Command3_Click();  // 8 points
    void Command5_Click();  // 10 points
    void Command6_Click();  // 12 points
    void Command7_Click();  // Color
    void PicColorA_Click();
    void PicColorB_Click();

    // Nick list.
    void Command10_Click();  // Add
    void Command11_Click();  // Delete
    void List1_Click();
    void Label3_Click();
    void Command15_Click();  // the hidden "send with nick" button

    // Auto-send timer and dance bot.
    void Command8_Click();  // Start
    void Command9_Click();  // Stop
    void Timer1_Timer();
    void List2_DblClick();
    void List3_DblClick();
    void Command14_Click();  // Add a dance pair
    void Command13_Click();  // Del the pair selected in List2
    void Command12_Click();  // Save both dance lists and reload them

    // Fade or Regular, "Random Color", colours A and B, the scrolling mode, its
    // "Time:" and the chosen nick (while still in the list), kept between runs
    // in the context's settings. Restored once the lists are loaded.
    void RestoreSettings();
    void SaveSettings();

    // True while a tick runs, its waits included.
    bool TickRunning() const { return tickRunning_; }

private:
    // RichTextBox1, or both dance frames when "Dance" is chosen.
    std::vector<RichTextBox*> FormattingTarget();
    // `text` faded with the pickers' colours as they are now into the
    // composer; "Random Color" then gives the pickers a new pair for the next one.
    void FadeComposer(const std::string& text);
    // The composer's message as Send and a tick send it: the chosen nick put
    // in, then faded in Fade mode. The composer is laid out once, to the
    // message the user then sees.
    void BuildComposerMessage();
    // "Please Connect to the room or PM first." when Combo1 is empty; true
    // then, with Timer1 switched off first when `stopTimer`.
    bool RefuseWithoutRoom(bool stopTimer);

    // The parts of a tick (dance_bot_win.cpp).
    void RunTick();
    // Reads the pause from Text2; stops the timer and tells the user when it
    // is not a number of seconds.
    bool ReadPauseOrStop(float& seconds);
    // Sends the composer's RTF and waits the pause. False when the tick must
    // end: the window closed (or the program is quitting) during the wait.
    bool SendAndWait(float seconds);

    TabContext& ctx_;
    bool tickRunning_ = false;
};
