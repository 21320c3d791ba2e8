# VARNELO_SOURCE_DATE_EPOCH: the time, in seconds since 1970 UTC, that every
# package stamps wherever it would write the build's time: SOURCE_DATE_EPOCH
# when the caller sets it, else the time of the last commit, so that two
# builds of one commit make the same bytes.

execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/source-date-epoch.sh
                RESULT_VARIABLE esito OUTPUT_VARIABLE VARNELO_SOURCE_DATE_EPOCH
                ERROR_VARIABLE errore OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set and git names no last commit:\n${errore}")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  find_package(Git REQUIRED)
  # A new commit moves the time: configure again then. The worktree's own
  # reflog of HEAD changes with every commit and checkout.
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE registro_head OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(EXISTS "${registro_head}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${registro_head})
  endif()
endif()

if(NOT VARNELO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH '${VARNELO_SOURCE_DATE_EPOCH}' is not a count of seconds")
endif()
