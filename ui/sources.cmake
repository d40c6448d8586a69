# The generic Win32 pieces every window builds on (rich text box, colour box,
# dialog base, message loop, list boxes, fonts, files, the Ui seam), and the
# portable list-file format and ANSI text rules beneath them.
set(UI_CORE_SOURCES
  ui/line_list.cpp
  ui/settings_file.cpp
  ui/ansi_text.cpp
  ui/rtf_mend.cpp
  ui/utf8.cpp)
set(UI_WIN_SOURCES
  ui/rich_text_box_win.cpp
  ui/ui_win.cpp
  ui/color_box_win.cpp
  ui/button_face_win.cpp
  ui/list_files_win.cpp
  ui/message_loop_win.cpp
  ui/window_util_win.cpp
  ui/dialog_win.cpp
  ui/files_win.cpp
  ui/list_box_win.cpp)
set(UI_NATIVE_TESTS
  tests/native/line_list_test.cpp
  tests/native/settings_file_test.cpp
  tests/native/rtf_mend_test.cpp)
set(UI_WIN_TESTS)
