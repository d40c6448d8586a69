// Handlers of the Art Designs tab: the library of designs (List5 and the files
// in the Designs folder), formatting and fading the design in RichTextBox5, and
// sending it to the chosen room one line per message.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class TabContext;
class RichTextBox;

class ArtDesignsTab {
public:
    explicit ArtDesignsTab(TabContext& ctx);
    ArtDesignsTab(const ArtDesignsTab&) = delete;
    ArtDesignsTab& operator=(const ArtDesignsTab&) = delete;

    // Routes a WM_COMMAND of an Art Designs control; true when it was one.
    bool OnCommand(int id, int code);

    // The library.
    void List5_Click();     // open the highlighted design
    void Command23_Click(); // Save: names a new design in the "Save" window
    void Command20_Click(); // Save Changes
    void Command21_Click(); // Delete From List
    void Command22_Click(); // Clear

    // Saves RichTextBox5 as the design `name` and lists it (the "Save"
    // window's button). Message boxes are owned by `owner`. True when the
    // window may close: the name list was rewritten and read back. A name that
    // cannot be a file name is refused with a message and nothing is written.
    bool SaveDesignAs(const std::string& name, HWND owner);

    // Formatting of the selection in RichTextBox5.
    void Command26_Click(); // Bold
    void Command27_Click(); // 8 points
    void Command28_Click(); // 10 points
    void Command29_Click(); // 12 points
    void Command30_Click(); // Color
    void Picture13_Click(); // fade start colour
    void Picture14_Click(); // fade end colour

    void Command24_Click(); // Fade
    void FadeArtDesign();
    void Command25_Click(); // Send To Room

    // The two fader colours, "Timer:" and the design last opened, kept between
    // runs in the context's settings. Restored once List5 is loaded: the
    // design opens again while its row and its file are still there.
    void RestoreSettings();
    void SaveSettings();

private:
    RichTextBox& Design();
    HWND List5() const;
    // The design the user means: the list's caret row when it is highlighted,
    // otherwise the first highlighted row; -1 when no row is highlighted.
    int HighlightedIndex() const;
    // Writes "dlist.txt" from List5 and reads it back into List5, so List5
    // shows what the file holds; false, after telling the user, when it could
    // not be written or read back.
    bool RewriteDesignList(HWND owner);
    // The design file of a dlist.txt row; nothing, after a message, for a row
    // that fails Save's name check.
    std::optional<std::string> RowFile(const std::string& row, HWND owner);
    // Writes RichTextBox5 to the design file of `name`, making the Designs
    // folder first when it is missing; false, after a message, when the row
    // is not usable or the file could not be replaced.
    bool WriteDesignFile(const std::string& name, HWND owner);
    // Shows the design file of `name` in RichTextBox5, made readable for the
    // control first; tells the user when it cannot be opened or shown (false).
    bool OpenDesign(const std::string& name, const std::string& path);
    // The design as it stands, one RTF document per line (with its break),
    // the chosen nick put in; the design's selection is left as it was.
    std::vector<std::string> DesignLines();
    // The lines go out one by one. Stops early when the pause is not a
    // number, the send was stopped or the window closed during a wait.
    void SendLines(const std::vector<std::string>& lines);
    // Reads the pause in Text5; tells the user when it is not a number.
    bool ReadPause(float& seconds);

    TabContext& ctx_;
    bool sending_ = false;
    std::string openedDesign_;  // the List5 row last opened, for the next run
    // The file of the design last opened when the box could not show it: Save
    // Changes never writes over it.
    std::string unreadablePath_;
};
