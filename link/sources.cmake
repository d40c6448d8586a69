# Messenger link: the version classification and text rules are portable; the
# window search, delivery and Delay sit on user32, detection on RegAccess.
set(LINK_CORE_SOURCES
  link/pal_version.cpp
  link/window_text.cpp
  link/pause_seconds.cpp
  link/full_format_rtf.cpp)
set(LINK_WIN_SOURCES
  link/window_search_win.cpp
  link/delay_win.cpp
  link/messenger_link_win.cpp)
set(LINK_NATIVE_TESTS
  tests/native/link_window_text_test.cpp
  tests/native/demo_messenger_formats_test.cpp
  tests/native/pause_seconds_test.cpp
  tests/native/full_format_rtf_test.cpp)
set(LINK_WIN_TESTS
  tests/win/link_window_search_test.cpp
  tests/win/link_messenger_e2e_test.cpp
  tests/win/link_delay_test.cpp
  tests/win/link_detect_version_test.cpp)
