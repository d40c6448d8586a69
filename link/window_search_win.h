// Searches over the live window lists: the open chat windows of the
// messenger, a room window by title, and a descendant by class and position.
//
// Each search keeps its whole state in one struct handed to the enumeration
// callback, so a search never sees a result left by an earlier one and starts
// from "not found" (a null handle) every time. None of them runs the event loop.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "link/window_text.h"

// Class name and title of a window as the search sees them, in UTF-8: read
// through the wide entry points into 255-unit buffers (so at most 254 UTF-16
// units) and cut at the first NUL.
std::string WindowClassName(HWND hwnd);
std::string WindowTitle(HWND hwnd);

// Titles of the top-level windows of `chatClass` (letter case ignored), in the
// platform's top-level order (topmost first); windows with an empty title are
// left out. An empty class matches nothing.
std::vector<std::string> ListChatWindowTitles(const std::string& chatClass);

// The first top-level window, of any class, whose title contains `text` with
// letter case ignored; null when there is none.
HWND FindWinByTitle(const std::string& text);

// Inside the first top-level window whose class and title both equal the given
// ones (letter case ignored; the title must match whole), the `childIndex`-th
// descendant of class `childClass`, counting from 1 in the platform's
// descendant order (each child followed by its own descendants). The search
// ends at the first matching top-level window, found or not. Null when absent.
HWND FindRoomChild(const std::string& chatClass, const std::string& chatTitle,
                   const std::string& childClass, short childIndex);

// The `index`-th "RichEdit20W" descendant of `parent`, counting from 1; the
// index is taken as a 16-bit number. Null for a null parent or when absent.
HWND FindChildByIndex(HWND parent, long index);
