# Included at the end of the Windows build: the exe's icon and version
# resource, the release zip (install rules + CPack) and its check.

# The version resource and the icon belong to the program alone.
target_sources(vivarto PRIVATE ${CMAKE_SOURCE_DIR}/app/version.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/version.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_BINARY_DIR}/generated/vivarto_version.h;${CMAKE_SOURCE_DIR}/app/vivarto.ico")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/vivarto.rc APPEND PROPERTY OBJECT_DEPENDS
  "${CMAKE_BINARY_DIR}/generated/vivarto_version.h")
# Symbols are of no use to a user; stripped, the exe is a fraction of its size.
foreach(shipped vivarto demo_messenger)
  target_link_options(${shipped} PRIVATE $<$<CONFIG:Release>:-s>)
endforeach()

# What a user unzips: the program with its list files, art design and guide
# beside it, the licence, a README, and the demo messenger in its own folder.
set(VIVARTO_DEMO_MESSENGER Demo-Messenger-stand-in.exe)
install(TARGETS vivarto RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/app/starter/ DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/README.txt DESTINATION .)
install(PROGRAMS $<TARGET_FILE:demo_messenger> DESTINATION demo RENAME ${VIVARTO_DEMO_MESSENGER})
install(PROGRAMS "${CMAKE_SOURCE_DIR}/packaging/Start the demo messenger.cmd" DESTINATION demo)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME vivarto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
include(CPack)

# The release check: the zip unpacked into an empty folder, then the
# end-to-end test run against the programs in there.
if(TARGET win_vivarto_e2e_test)
  set(zip ${CPACK_OUTPUT_FILE_PREFIX}/vivarto-${PROJECT_VERSION}-win64.zip)
  set(unpacked unpacked/vivarto-${PROJECT_VERSION}-win64)
  # No settings file in the zip: a user's first start is a fresh one.
  add_test(NAME package_unzip COMMAND sh -c "rm -rf unpacked && unzip -q '${zip}' -d unpacked && test ! -e '${unpacked}/vivarto.ini'")
  set_tests_properties(package_unzip PROPERTIES FIXTURES_SETUP package)
  add_test(NAME win_package COMMAND win_vivarto_e2e_test)
  set_tests_properties(win_package PROPERTIES FIXTURES_REQUIRED package TIMEOUT 300 ENVIRONMENT
    "VIVARTO_RELEASE=${unpacked};VIVARTO_RELEASE_MESSENGER=${unpacked}/demo/${VIVARTO_DEMO_MESSENGER}")
  target_compile_definitions(win_vivarto_e2e_test PRIVATE VIVARTO_VERSION="${PROJECT_VERSION}")
  target_link_libraries(win_vivarto_e2e_test PRIVATE version)
endif()
