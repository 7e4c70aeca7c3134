# Writes OUTPUT: a C++ table of the headers of the bitmaps that RC_FILE
# (the program's resource script) names, so that the simulated machine sizes
# them from the very files the Windows program carries.
# Usage: cmake -DRC_FILE=... -DOUTPUT=... -P EmbedBitmapHeaders.cmake
get_filename_component(rc_dir "${RC_FILE}" DIRECTORY)
file(STRINGS "${RC_FILE}" lines)

set(ids "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#define[ \t]+([A-Za-z_0-9]+)[ \t]+([0-9]+)")
    set(id_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
  endif()
endforeach()

set(entries "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([A-Za-z_0-9]+)[ \t]+BITMAP[ \t]+\"([^\"]+)\"")
    continue()
  endif()
  set(name ${CMAKE_MATCH_1})
  set(file "${rc_dir}/${CMAKE_MATCH_2}")
  if(DEFINED id_${name})
    set(id ${id_${name}})
  elseif(name MATCHES "^[0-9]+$")
    set(id ${name})
  else()
    message(FATAL_ERROR "${RC_FILE}: no number for bitmap ${name}")
  endif()
  # The file header and the information header's fixed part.
  file(READ "${file}" hex LIMIT 54 HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND entries "    {${id}, {${bytes}}},\n")
endforeach()

get_filename_component(rc_name "${RC_FILE}" NAME)
file(WRITE "${OUTPUT}.tmp" "// Generated from ${rc_name} at build time.\n"
  "#include \"resources/BitmapHeaders.h\"\n\n"
  "const BitmapHeader kBitmapHeaders[] = {\n${entries}};\n"
  "const int kBitmapHeaderCount = static_cast<int>(sizeof(kBitmapHeaders) / sizeof(kBitmapHeaders[0]));\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
