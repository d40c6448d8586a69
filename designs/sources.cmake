set(DESIGNS_CORE_SOURCES)
set(DESIGNS_WIN_SOURCES
  designs/text_designs_tab_win.cpp
  designs/art_designs_tab_win.cpp)
set(DESIGNS_NATIVE_TESTS)
set(DESIGNS_WIN_TESTS)
