# SPDX-License-Identifier: MIT
# The files a Windows user gets, staged in one folder as they are laid out
# on the user's disk: the zip archive packs this folder, and the installer
# takes the same files from it. Both are part of the build.
#   PALLIX_WINDOWS_STAGE_DIR     the folder
#   PALLIX_WINDOWS_STAGE_FILES   the files in it, relative, with / between folders
#   windows-stage                the target that fills it
#   windows-archive              PallixExample-<version>-win32.zip of it
set(PALLIX_WINDOWS_STAGE_DIR ${CMAKE_BINARY_DIR}/stage-win32)
set(PALLIX_WINDOWS_STAGE_FILES PallixExample.exe pallix-read.exe simulator/Pallix400.dll README.txt LICENSE.txt)
set(stage ${PALLIX_WINDOWS_STAGE_DIR})
# The texts with Windows' line ends, which the installer's licence page needs.
set(texts ${CMAKE_BINARY_DIR}/windows-texts)
configure_file(${PROJECT_SOURCE_DIR}/cli/README-Windows.txt.in ${texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${texts}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
list(TRANSFORM PALLIX_WINDOWS_STAGE_FILES PREPEND ${stage}/ OUTPUT_VARIABLE staged)
add_custom_command(OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/simulator
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:PallixExample> $<TARGET_FILE:pallix-read> ${stage}/
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Pallix400Sim> ${stage}/simulator/
    COMMAND ${CMAKE_COMMAND} -E copy ${texts}/README.txt ${texts}/LICENSE.txt ${stage}/
    DEPENDS PallixExample pallix-read Pallix400Sim ${texts}/README.txt ${texts}/LICENSE.txt
    COMMENT "Staging the Windows files in ${stage}")
add_custom_target(windows-stage DEPENDS ${staged})

set(archive ${CMAKE_BINARY_DIR}/PallixExample-${PROJECT_VERSION}-win32.zip)
add_custom_command(OUTPUT ${archive}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${archive}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${archive} --format=zip
            ${PALLIX_WINDOWS_STAGE_FILES}
    DEPENDS ${staged}
    COMMENT "Packing ${archive}")
add_custom_target(windows-archive ALL DEPENDS ${archive})
