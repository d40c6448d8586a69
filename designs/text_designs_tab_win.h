// Handlers of the Text Designs tab: the design list (List4) and saved.txt,
// sending a design with the tab's options, the size and colour boxes, and the
// two windows that build and change designs.
#pragma once
#include <windows.h>

#include <memory>

class TabContext;
class Form2;

class TextDesignsTab {
public:
    explicit TextDesignsTab(TabContext& ctx);
    ~TextDesignsTab();
    TextDesignsTab(const TextDesignsTab&) = delete;
    TextDesignsTab& operator=(const TextDesignsTab&) = delete;

    // Routes a WM_COMMAND of a Text Designs control; true when it was one.
    bool OnCommand(int id, int code);

    // The chosen design goes into the composer ("Auto Send" No) or, formatted
    // with the tab's options, straight to the room ("Auto Send" Yes).
    void List4_Click();
    void Command17_Click();  // "Save To List"
    void Command18_Click();  // "Save"
    void Command19_Click();  // "Delete"
    void Command16_Click();  // "Edit"
    void Command4_Click();   // "Clear"
    // The three "A" size boxes: at most one is checked.
    void SizeBox_Click(int clickedId);
    // Picture10, Picture7, Picture8: the box takes the shared dialog's colour.
    void ColorBox_Click(int boxId);

    // Auto Send, Bold, the size and the three colour boxes, kept between runs
    // in the context's settings.
    void RestoreSettings();
    void SaveSettings();

    // The design editor, modeless and only one of it: opens it, or brings the
    // open one to the front.
    void OpenDesignEditor();
    // The editor window, null while it is not open.
    HWND DesignEditorWindow() const;

private:
    TabContext& ctx_;
    std::unique_ptr<Form2> editor_;
};
