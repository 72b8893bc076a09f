# SPDX-License-Identifier: MIT
# Debian's hardening flags, as dpkg-buildflags hands them to every Debian
# package, on the interface target pallix_hardening: fortified string and
# memory functions, a stack protector, format string checks, control-flow
# protection, relocations read-only and bound at start. The optimisation and
# debug levels stay the build type's, and paths in the debug information stay
# absolute for the debugger. A sanitizer, fuzz or debug build goes without:
# fortify's own checks would stop an overflow before AddressSanitizer could
# report it, and need optimisation.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(debian_flags_default OFF)
if(DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING AND NOT PALLIX_FUZZ AND NOT PALLIX_SANITIZE
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(debian_flags_default ON)
endif()
option(PALLIX_DEBIAN_BUILD_FLAGS "Build with Debian's hardening flags from dpkg-buildflags" ${debian_flags_default})

add_library(pallix_hardening INTERFACE)
if(PALLIX_DEBIAN_BUILD_FLAGS)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "PALLIX_DEBIAN_BUILD_FLAGS needs dpkg-buildflags (Debian package dpkg-dev)")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
                "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    set(debian_${kind} ${flags})
    list(APPEND debian_flags ${flags})
  endforeach()
  target_compile_options(pallix_hardening INTERFACE ${debian_CPPFLAGS} ${debian_CXXFLAGS})
  target_link_options(pallix_hardening INTERFACE ${debian_LDFLAGS})
  list(JOIN debian_flags " " shown)
  message(STATUS "Debian's build flags: ${shown}")
endif()
