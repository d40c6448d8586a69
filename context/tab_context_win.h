// What a tab or small window is handed instead of the main window: the folder
// the files live in, the boxes and controls the tabs share, Ui, the shared
// colour dialog, the messenger link, whether the window is closing, and the
// auto-send timer, and the settings kept between runs. The main window wires it; tests can build one over bare
// page dialogs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "context/faders_win.h"
#include "context/resource.h"
#include "ui/rich_text_box_win.h"
#include "ui/settings_file.h"
#include "ui/ui_win.h"

class MessengerLink;

class TabContext {
public:
    TabContext(Ui& ui, std::string appFolder) : ui_(ui), commonDialog1_(ui), appFolder_(std::move(appFolder)) {}
    TabContext(const TabContext&) = delete;
    TabContext& operator=(const TabContext&) = delete;

    // `owner` owns message boxes and dialogs and receives the timer; controls
    // are looked up in it and in `pages`. The rich text boxes found among them
    // are taken over.
    void AttachWindows(HWND owner, std::vector<HWND> pages);
    void SetLink(MessengerLink& link) { link_ = &link; }

    HWND Hwnd() const { return owner_; }
    // Any shared or tab control by its ID; null when there is none.
    HWND Control(int id) const;

    // The boxes the tabs share.
    RichTextBox& Composer() { return boxes_[0]; }     // RichTextBox1: the message being written and sent
    RichTextBox& DanceFrame1() { return boxes_[1]; }  // RichTextBox2
    RichTextBox& DanceFrame2() { return boxes_[2]; }  // RichTextBox3
    RichTextBox& NickWorkBox() { return boxes_[3]; }  // RichTextBox4: hidden, the composer with the nick put in
    RichTextBox& ArtDesign() { return boxes_[4]; }    // RichTextBox5
    RichTextBox& ArtWorkBox() { return boxes_[5]; }   // RichTextBox6: hidden, spare (each art line takes the nick itself)

    Ui& ui() { return ui_; }
    ColorDialog& CommonDialog1() { return commonDialog1_; }
    // The three tabs' "Fader Options": stops, styles, strips, presets.
    Faders& FaderOptions() { return faders_; }
    MessengerLink& Link() { return *link_; }
    const std::string& AppFolder() const { return appFolder_; }
    std::string AppFile(const std::string& name) const { return appFolder_ + "\\" + name; }

    // The settings read from vivarto.ini at start-up and written back when the
    // window closes: each tab restores and saves its own section
    // (context/remembered_controls_win), and keys no one knows are kept.
    SettingsFile& Settings() { return settings_; }

    std::string ControlText(int id) const;
    void SetControlText(int id, const std::string& text);
    std::string Label3Caption() const { return ControlText(IDC_LABEL3); }
    bool IsChecked(int id) const;
    void SetChecked(int id, bool on);
    COLORREF BoxColor(int id) const;
    void SetBoxColor(int id, COLORREF color);

    // A colour box's click: the shared colour dialog is shown and, unless the
    // window closed meanwhile, the box takes its colour (a cancelled dialog
    // gives the colour last accepted in it).
    void PickBoxColor(int boxId);

    // The pause typed into the box `textId`: true with `seconds` when it is a
    // number of seconds, otherwise the user is told with `text` under `title`
    // (with `stopTimer`, Timer1 is switched off first, so the message's own
    // event loop runs no more ticks).
    bool ReadPause(int textId, float& seconds, const char* text, const char* title, bool stopTimer = false);

    // When "Random Color" is ticked, the Main tab's two pickers get a new
    // random pair (channels 1 to 255). A fade already under way keeps the
    // colours it read; the new pair counts from the next message.
    void RollRandomPickerColors();

    // Timer1: 10 ms interval, off until Start; never on once the window closes.
    void SetTimer1Enabled(bool on);
    bool Timer1Enabled() const { return timer1Enabled_; }
    // A running tick holds Timer1 quiet: every firing during the tick's waits
    // would only wake the wait to be turned away. Start and Stop during the
    // tick decide whether it fires again, one interval after the tick ends.
    void HoldTimer1(bool hold);

    // True once the window has been destroyed: a sender that waited in Delay
    // must stop and touch nothing.
    bool Closed() const { return closed_; }
    void MarkClosed();

    // One sender at a time. A timer tick (the dance bot's too), an art send,
    // Auto Send and Send each hold the turn while they deliver, so their
    // messages never interleave and none rewrites the composer under another:
    // Delay runs every other event during a sender's waits.
    bool Sending() const { return sending_; }
    // Ends the running sender's current wait at once; it sends nothing more.
    void StopSending() { stopSending_ = sending_; }
    // True once the running sender was stopped (its turn not yet given back).
    bool StopRequested() const { return stopSending_; }
    // The running sender's pause (and its pass over waiting events with 0):
    // false when it must end, stopped, closed or the program quitting.
    bool SendPause(float seconds);

private:
    Ui& ui_;
    ColorDialog commonDialog1_;
    Faders faders_{*this};
    std::string appFolder_;
    HWND owner_ = nullptr;
    std::vector<HWND> pages_;
    RichTextBox boxes_[6];
    MessengerLink* link_ = nullptr;
    SettingsFile settings_;
    bool timer1Enabled_ = false;
    bool timer1Held_ = false;
    bool closed_ = false;
    bool sending_ = false;
    bool stopSending_ = false;

    friend class SendTurn;
};

// The turn of one sender for its whole run. While another sender holds it,
// nothing is taken; given a `refusalTitle` the user is told so (a timer tick
// says nothing: it waits for its next tick).
class SendTurn {
public:
    explicit SendTurn(TabContext& ctx, const char* refusalTitle = nullptr);
    ~SendTurn();
    SendTurn(const SendTurn&) = delete;
    SendTurn& operator=(const SendTurn&) = delete;
    explicit operator bool() const { return taken_; }

private:
    TabContext& ctx_;
    bool taken_ = false;
};
