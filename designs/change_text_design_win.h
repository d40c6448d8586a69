// Form8, "Change Text Design": a modal window that edits the text of the
// design selected in List4 of the main window.
#pragma once
#include <windows.h>

class TabContext;

// Shows the window modal over the main window and returns when it has closed:
// true when "Change" wrote the line back into List4. saved.txt is not written
// here; the change is stored with the list's next save.
bool ShowChangeTextDesign(TabContext& ctx);
