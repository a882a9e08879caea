# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a MIME database holding only the saved games' type, and fails unless
# the database maps *.tsq to it.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/packages)
configure_file(${TYPE_FILE} ${WORK_DIR}/packages/mosaic-rush.xml COPYONLY)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK_DIR} RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "update-mime-database: ${errors}")
endif()
file(READ ${WORK_DIR}/globs2 globs)
if(NOT globs MATCHES "application/x-mosaic-rush-game:\\*\\.tsq")
    message(FATAL_ERROR "*.tsq is not mapped to application/x-mosaic-rush-game:\n${globs}")
endif()
