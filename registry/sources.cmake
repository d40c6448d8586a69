# Registry access: path parsing, binary text and the REGEDIT4 text format are
# portable; RegAccess itself sits on advapi32.
set(REGISTRY_CORE_SOURCES
  registry/reg_path.cpp
  registry/bin_text.cpp
  registry/regedit4.cpp)
set(REGISTRY_WIN_SOURCES
  registry/reg_access_win.cpp
  registry/reg_file_win.cpp)
set(REGISTRY_NATIVE_TESTS
  tests/native/registry_text_test.cpp)
set(REGISTRY_WIN_TESTS
  tests/win/registry_test.cpp)
