set(DESIGNS_CORE_SOURCES
  designs/decorations.cpp)
set(DESIGNS_WIN_SOURCES
  designs/text_designs_tab_win.cpp
  designs/art_designs_tab_win.cpp)
set(DESIGNS_NATIVE_TESTS
  tests/native/decorations_test.cpp)
set(DESIGNS_WIN_TESTS)
