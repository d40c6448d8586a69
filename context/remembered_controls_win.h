// The controls a tab remembers between runs, as a table: each entry names a
// control and the key it is kept under in the tab's section of the settings
// (TabContext::Settings, read at start-up and written when the window closes).
#pragma once
#include <span>
#include <string_view>

class TabContext;

struct RememberedControl {
    enum Kind {
        Check,   // a check box: "1" or "0"
        Choice,  // two option buttons: `onValue` while `id` is checked, else `offValue`
        Color,   // a colour box
        Text,    // a text box, kept as typed (a pause that is no number too)
    };
    Kind kind;
    const char* key;
    int id;
    int otherId = 0;
    const char* onValue = nullptr;
    const char* offValue = nullptr;
};

void SaveControls(TabContext& ctx, std::string_view section, std::span<const RememberedControl> controls);
// A control whose key is missing or holds nothing it can take keeps what it
// shows (its start value), without a word to the user.
void RestoreControls(TabContext& ctx, std::string_view section, std::span<const RememberedControl> controls);
