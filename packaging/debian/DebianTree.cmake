# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it makes the Debian package: the
# programs and the library without the compiler's notes, as Debian's own
# packages are stripped; the manual pages and the changelog compressed as
# Debian's policy asks, with gzip -9n (the best compression, no name or time
# stamp, so that two builds give the same bytes); the copyright beside the
# changelog.
cmake_policy(VERSION 3.25)
find_program(GZIP gzip REQUIRED)
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT IS_DIRECTORY ${usr}/bin)
  message(FATAL_ERROR "no staged files in ${usr}")
endif()

file(GLOB binaries ${usr}/bin/* ${usr}/lib/*/pallixexample/*.so)
foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${CPACK_PALLIX_STRIP} --remove-section=.comment --remove-section=.note ${binary}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB pages ${usr}/share/man/man[1-9]/*.[1-9])
foreach(page IN LISTS pages)
  execute_process(COMMAND ${GZIP} -9nf ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
# The copyright in Debian's machine-readable format, with the licence's text
# taken from LICENSE, so that it is written in one place.
file(READ ${CPACK_PALLIX_DEBIAN_SOURCE_DIR}/copyright copyright)
file(STRINGS ${CPACK_PALLIX_LICENSE} licence_lines)
list(FIND licence_lines "Copyright (c) 2026 The PallixExample authors" notice)
if(notice EQUAL -1)
  message(FATAL_ERROR "${CPACK_PALLIX_LICENSE} holds no copyright notice of the PallixExample authors")
endif()
math(EXPR first "${notice} + 1")
list(SUBLIST licence_lines ${first} -1 licence_lines)
string(APPEND copyright "\nLicense: MIT")
# The blank lines between paragraphs as " ."; none before the first.
set(pending_blank OFF)
foreach(line IN LISTS licence_lines)
  if(line STREQUAL "")
    if(NOT copyright MATCHES "License: MIT\n?$")
      set(pending_blank ON)
    endif()
  else()
    if(pending_blank)
      string(APPEND copyright "\n .")
      set(pending_blank OFF)
    endif()
    string(APPEND copyright "\n ${line}")
  endif()
endforeach()
file(WRITE ${doc}/copyright "${copyright}\n")
execute_process(COMMAND ${GZIP} -9nc ${CPACK_PALLIX_DEBIAN_SOURCE_DIR}/changelog
                OUTPUT_FILE ${doc}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
