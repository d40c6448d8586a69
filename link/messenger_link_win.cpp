#include "link/messenger_link_win.h"

#include "link/full_format_rtf.h"
#include "registry/reg_access_win.h"
#include "ui/rtf_mend.h"
#include "ui/utf8.h"

short DetectPalVersion() {
    RegAccess registry;  // lives for this call only: nothing is kept open
    std::string versionText;
    // Only read access: HKLM is read-only for a standard user and for an
    // administrator under UAC, and the full access KeyExists asks for would
    // hide an installed messenger from them.
    if (registry.KeyReadable(kPal82UninstallKey)) {
        versionText = registry.ReadString(kPal82UninstallKey, kPalVersionValue, kPalVersionDefault);
    } else if (registry.KeyReadable(kPalMessengerUninstallKey)) {
        versionText =
            registry.ReadString(kPalMessengerUninstallKey, kPalVersionValue, kPalVersionDefault);
    }
    return ClassifyPalVersion(versionText);
}

void MessengerLink::SetPal10Classes() {
    PalSearchSettings settings{ChatClass, InputIndex};
    ::SetPal10Classes(settings);
    ChatClass = settings.chatClass;
    InputIndex = settings.inputIndex;
}

RoomScan MessengerLink::PalRoomGrab() {
    RoomScan scan;
    scan.generation = DetectPalVersion();
    PalSearchSettings settings{ChatClass, InputIndex};
    scan.messengerFound = ApplyPalGeneration(scan.generation, settings);
    if (scan.messengerFound) {
        ChatClass = settings.chatClass;
        InputIndex = settings.inputIndex;
    } else {
        // Left in place by later successful scans: the user saw that the
        // messenger was missing at some point.
        rooms_.ShowMessengerMissing();
    }
    scan.rooms = RoomTitles();
    rooms_.ShowRooms(scan.rooms);
    return scan;
}

std::vector<std::string> MessengerLink::RoomTitles() const { return ListChatWindowTitles(ChatClass); }

void MessengerLink::FillRoomList() { rooms_.ShowRooms(RoomTitles()); }

void MessengerLink::Combo1_DropDown() {
    PalRoomGrab();
    FillRoomList();
}

void MessengerLink::EnsureRoomOpen(const std::string& room) {
    if (FindWinByTitle(room) == nullptr) PalRoomGrab();
}

HWND MessengerLink::FindInputBox() {
    const std::string roomTitle = ChosenRoom();
    HWND splitter = FindRoomChild(ChatClass, roomTitle, kSplitterClass, kInputSplitterIndex);
    return FindChildByIndex(splitter, InputIndex);
}

void MessengerLink::TxtSendPal(std::string& DisHere) {
    const std::string room = ChosenRoom();
    if (Utf16FromUtf8(room).size() >= 2) EnsureRoomOpen(room);  // characters, as a title counts them
    HWND input = FindInputBox();

    // The message is RTF, plain ASCII whatever characters it holds (they are
    // \uN escapes); the buffer carries the zero bytes a wide-character copy
    // across processes needs to find its end.
    std::string buffer = WideCopySafeBuffer(DisHere);
    std::string sent = buffer;
    DisHere = StripNull(sent);
    if (input == nullptr) return;
    // Every sender comes through here, so here the message gets its full
    // format: the input box would read anything left unsaid from its own
    // defaults; and its code page, or the input box would read its bytes by
    // the system's. The caller's DisHere keeps the message as it was handed over.
    buffer = WideCopySafeBuffer(StateFullFormat(StateCodePage(DisHere)));

    // The rich edit sees "{\rtf" at the start of the 8-bit buffer and loads it
    // as rich text, replacing the whole input box.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return;  // hung or gone: pressing Enter on a box we could not fill posts nothing useful
    SendMessageTimeoutA(input, WM_KEYDOWN, VK_RETURN, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
}

std::string MessengerLink::ChosenRoom() const {
    std::string text = rooms_.ChosenRoom();
    return StripNull(text);
}
