# Included right after project(): the version header and the release build's
# size options must exist before the first target is made.

# project(VERSION) is the one version number; the exe's version resource and
# the About window read it through this generated header, the zip's name
# through CPack (cmake/package.cmake).
configure_file(${CMAKE_CURRENT_LIST_DIR}/vivarto_version.h.in
               ${CMAKE_BINARY_DIR}/generated/vivarto_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

if(WIN32)
  # Sections per function and datum let the linker drop what nothing calls.
  # The optimisation level stays CMake's -O3: with these and the stripping the
  # exe is well under 1 MB, and the benchmarks in bench/ ran as fast as
  # without them.
  add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
  add_link_options($<$<CONFIG:Release>:LINKER:--gc-sections>)
endif()
