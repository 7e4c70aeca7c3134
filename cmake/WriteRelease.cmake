# Writes the release's values with the commit of SOURCE_DIR, rewriting a file
# only when its text changes:
#   cmake -DSOURCE_DIR=DIR [-DCOMMIT_HEADER=FILE] [-DNSIS_HEADER=FILE] -P WriteRelease.cmake
# COMMIT_HEADER is the C header that the resource script reads; NSIS_HEADER
# the installer script's defines.
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)
dorvanta_source_commit(${SOURCE_DIR} DORVANTA_COMMIT)

function(write_if_changed file text)
  if(EXISTS ${file})
    file(READ ${file} old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE ${file} "${text}")
endfunction()

if(COMMIT_HEADER)
  write_if_changed(${COMMIT_HEADER} "// Generated at every build (cmake/WriteRelease.cmake).
#pragma once

#define DORVANTA_COMMIT \"${DORVANTA_COMMIT}\"
")
endif()
if(NSIS_HEADER)
  set(text "; Generated from cmake/Release.cmake by cmake/WriteRelease.cmake.\n")
  foreach(name PRODUCT PRODUCT_NAME DESCRIPTION MAKER RELEASE FILE_VERSION COMMIT)
    string(APPEND text "!define DORVANTA_${name} \"${DORVANTA_${name}}\"\n")
  endforeach()
  write_if_changed(${NSIS_HEADER} "${text}")
endif()
