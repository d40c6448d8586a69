// The link to the messenger: which generation is installed, which rooms are
// open, and delivery of one message into the chosen room's input box.
//
// The link fills no control: it hands what it found to a RoomChooser (the
// main window's Combo1 and caption) and reads the chosen room from it. The
// main window runs PalRoomGrab at start-up and Combo1_DropDown when the room
// list is opened; every sender hands its finished RTF to TxtSendPal and paces
// itself with Delay.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "link/delay_win.h"
#include "link/pal_version.h"
#include "link/window_search_win.h"
#include "link/window_text.h"

// The installed messenger's generation code (0, 9, 10 or 450), read afresh
// from its uninstall records on every call, so installing or updating the
// messenger while we run counts at the next room scan.
short DetectPalVersion();

// What a scan of the messenger found.
struct RoomScan {
    short generation = 0;             // as DetectPalVersion reports it
    bool messengerFound = false;      // a generation was recognised
    std::vector<std::string> rooms;   // titles of the open chat windows, topmost first
};

// Where the rooms are shown and one is chosen (Combo1 in the program).
class RoomChooser {
public:
    virtual ~RoomChooser() = default;
    // The room text as the user chose or typed it.
    virtual std::string ChosenRoom() const = 0;
    // Lists `rooms` in place of the old list and chooses the first.
    virtual void ShowRooms(const std::vector<std::string>& rooms) = 0;
    // A scan recognised no generation.
    virtual void ShowMessengerMissing() = 0;
};

class MessengerLink {
public:
    explicit MessengerLink(RoomChooser& rooms) : rooms_(rooms) {}

    // Re-detects the generation, applies its settings and lists the rooms;
    // the chooser is shown the result.
    RoomScan PalRoomGrab();
    // The titles of the open chat windows of the current generation's class,
    // topmost first.
    std::vector<std::string> RoomTitles() const;
    // Lists the rooms in the chooser afresh.
    void FillRoomList();
    // The room list is being opened: scan, then list once more, so the user
    // picks from a fresh list.
    void Combo1_DropDown();
    // Before a delivery: when no top-level window's title contains the room
    // text any more, the room has gone; rescan, which chooses the first room.
    void EnsureRoomOpen(const std::string& room);
    // The input box of the chosen room: the InputIndex-th rich edit of the
    // fourth splitter of the chat window titled exactly so; null if none.
    HWND FindInputBox();

    void SetPal10Classes();

    // Puts one RTF message, its full format stated (StateFullFormat), into the
    // chosen room's input box and presses Enter there; both have been handled
    // by the messenger when this returns. On return DisHere holds the message
    // as it was handed over (8-bit, up to any NUL).
    // Nothing is reported: with no input box nothing is delivered.
    void TxtSendPal(std::string& DisHere);

    // Generation settings, empty / 0 until a generation is recognised.
    std::string ChatClass;
    short InputIndex = 0;

    // How long a delivery waits for a messenger that is busy but answering.
    // A messenger that has stopped answering fails the send at once.
    static constexpr UINT kSendTimeoutMs = 30000;

private:
    std::string ChosenRoom() const;

    RoomChooser& rooms_;
};
