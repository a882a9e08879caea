# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation file still has entries to translate.
file(GLOB ts_files ${TS_DIR}/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${TS_DIR}")
endif()
foreach(ts ${ts_files})
    file(READ ${ts} content)
    string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${content}")
    list(LENGTH open count)
    if(count GREATER 0)
        message(SEND_ERROR "${ts}: ${count} entries are not translated")
    endif()
endforeach()
