// The link to the messenger: which generation is installed, the room list in
// Combo1, and delivery of one message into the chosen room's input box.
//
// The main window owns one MessengerLink. It runs PalRoomGrab at start-up and
// Combo1_DropDown when the room list is opened; every sender hands its
// finished RTF to TxtSendPal and paces itself with Delay.
#pragma once
#include <windows.h>

#include <string>

#include "link/delay_win.h"
#include "link/pal_version.h"
#include "link/window_search_win.h"
#include "link/window_text.h"

// The installed messenger's generation code (0, 9, 10 or 450), read afresh
// from its uninstall records on every call, so installing or updating the
// messenger while we run counts at the next room scan.
short DetectPalVersion();

class MessengerLink {
public:
    // form1: the main window (its caption becomes "No Pal Found" when no
    // generation is recognised); combo1: the room combo box (CBS_DROPDOWN).
    MessengerLink(HWND form1, HWND combo1) : form1_(form1), combo1_(combo1) {}

    // Re-detects the generation, applies its settings, refills the room list.
    void PalRoomGrab();
    // Clears Combo1 and lists the titles of the open chat windows, topmost
    // first, then selects the first. Stops quietly on any failure.
    void FillRoomList();
    // The room list is being opened: scan, then fill once more, so the user
    // picks from a fresh list.
    void Combo1_DropDown();
    // Before a delivery: when no top-level window's title contains the room
    // text any more, the room has gone; rescan, which selects the first room.
    void EnsureRoomOpen(const std::string& room);
    // The input box of the room Combo1 names: the InputIndex-th rich edit of
    // the fourth splitter of the chat window titled exactly so; null if none.
    HWND FindInputBox();

    void SetPal9Classes();
    void SetPal10Classes();

    // Puts one RTF message into the chosen room's input box and presses Enter
    // there; both have been handled by the messenger when this returns. On
    // return DisHere holds the message as it was sent (8-bit, up to any NUL).
    // Nothing is reported: with no input box nothing is delivered.
    void TxtSendPal(std::string& DisHere);

    // Generation settings, empty / 0 until a generation is recognised.
    std::string ChatClass;
    short InputIndex = 0;

    // How long a delivery waits for a messenger that is busy but answering.
    // A messenger that has stopped answering fails the send at once.
    static constexpr UINT kSendTimeoutMs = 30000;

private:
    std::string Combo1Text() const;

    HWND form1_;
    HWND combo1_;
};
