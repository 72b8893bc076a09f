# SPDX-License-Identifier: MIT
# The project's compile and link settings, each on an interface target and
# none for the whole tree: every target of the project links pallix_options,
# which carries them all; what the project builds of others (GoogleTest for
# Windows) gets none of them.
#   pallix_warnings     the warnings (PALLIX_WERROR: as errors)
#   pallix_hardening    Debian's hardening flags (packaging/BuildFlags.cmake)
#   pallix_sanitizers   AddressSanitizer and UndefinedBehaviorSanitizer
#                       (PALLIX_SANITIZE), with libFuzzer's coverage for the
#                       fuzz target (PALLIX_FUZZ)
#   pallix_windows      <windows.h> without its extras, the C++ runtime linked
#                       in, and lean programs (PALLIX_STRIP)
option(PALLIX_WERROR "Treat compiler warnings as errors" OFF)
option(PALLIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PALLIX_FUZZ "Build the read command's fuzz target alone (configure with clang++), sanitized" OFF)
option(PALLIX_STRIP "Windows: strip the programs and DLLs at link time and drop unused code and data" ON)

add_library(pallix_warnings INTERFACE)
target_compile_options(pallix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                       $<$<BOOL:${PALLIX_WERROR}>:-Werror>)

add_library(pallix_sanitizers INTERFACE)
if(PALLIX_SANITIZE OR PALLIX_FUZZ)
  target_compile_options(pallix_sanitizers INTERFACE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
      $<$<BOOL:${PALLIX_FUZZ}>:-fsanitize=fuzzer-no-link>)
  target_link_options(pallix_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/BuildFlags.cmake)

add_library(pallix_windows INTERFACE)
if(WIN32)
  # None of <windows.h>'s extras, whose macros (SetPort, min, max) would take
  # the driver's and the standard library's names.
  target_compile_definitions(pallix_windows INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
  # The C++ runtime linked in: nothing to install beside a program but the
  # driver.
  target_link_options(pallix_windows INTERFACE -static)
  if(PALLIX_STRIP)
    # Each object in a section of its own, as inline and template functions
    # are already, so that the linker drops what nothing uses; no symbols in
    # what ships. Not -ffunction-sections: mingw-w64's GCC 12 then fails on
    # some inline virtual functions ("section type conflict").
    target_compile_options(pallix_windows INTERFACE -fdata-sections)
    target_link_options(pallix_windows INTERFACE -s -Wl,--gc-sections)
  endif()
endif()

add_library(pallix_options INTERFACE)
target_link_libraries(pallix_options INTERFACE pallix_warnings pallix_hardening pallix_sanitizers pallix_windows)
