# What the tabs and small windows are handed instead of the main window: the
# shared boxes and controls by name, Ui, the colour dialog, the messenger link,
# the closing state, the timer and the settings kept between runs. Also the control IDs of every window.
set(CONTEXT_WIN_SOURCES
  context/tab_context_win.cpp
  context/faders_win.cpp
  context/fade_colours_window_win.cpp
  context/remembered_controls_win.cpp)
