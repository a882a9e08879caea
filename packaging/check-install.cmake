# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a scratch prefix, as a distribution's build does,
# and checks what lands there: every file the desktop needs, and a program
# without RPATH or RUNPATH.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DREADELF=... [-DEXPECTED=a;b;...] -P check-install.cmake
foreach(var BUILD_DIR WORK_DIR READELF)
    if(NOT ${var})
        message(FATAL_ERROR "check-install: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(failures "")
foreach(path IN LISTS EXPECTED)
    if(NOT EXISTS ${WORK_DIR}/usr/${path})
        string(APPEND failures "not installed: ${path}\n")
    endif()
endforeach()

set(program ${WORK_DIR}/usr/games/mosaic-rush)
if(EXISTS ${program})
    execute_process(COMMAND ${READELF} -d ${program}
        RESULT_VARIABLE rc OUTPUT_VARIABLE dynamic ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(APPEND failures "readelf -d failed: ${err}\n")
    elseif(NOT dynamic MATCHES "\\(NEEDED\\)")
        string(APPEND failures "readelf -d shows no NEEDED entries: is this the program?\n")
    endif()
    string(REGEX MATCHALL "[^\n]*\\((RPATH|RUNPATH)\\)[^\n]*" paths "${dynamic}")
    foreach(line IN LISTS paths)
        string(APPEND failures "the installed program has ${line}\n")
    endforeach()
else()
    string(APPEND failures "not installed: games/mosaic-rush\n")
endif()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
message(STATUS "installed: ${WORK_DIR}/usr, no RPATH or RUNPATH")
