# The real Windows program.
enable_language(RC)
option(DORVANTA_WINDOWS_TESTS "Build the contract tests against the real Windows ports" ON)

set(DORVANTA_WIN32_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
add_library(dorvanta_win32 STATIC ${WIN32_SOURCES})
dorvanta_layer_root(dorvanta_win32 platform/win32)
target_compile_definitions(dorvanta_win32 PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
include(cmake/DelayLoad.cmake)
target_link_libraries(dorvanta_win32 PUBLIC dorvanta_ports
  comctl32 shell32 user32 gdi32 ole32 oleaut32 uuid ${DORVANTA_DELAY_LIBRARIES} ws2_32 advapi32)

add_executable(Dorvanta WIN32 app/WinMain.cpp resources/Dorvanta.rc)
target_compile_definitions(Dorvanta PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(Dorvanta PRIVATE dorvanta_dialer dorvanta_win32)
# No link time in the image's header: the same sources give the same bytes.
target_link_options(Dorvanta PRIVATE -static -static-libgcc -static-libstdc++ -municode -Wl,--no-insert-timestamp
  $<$<CONFIG:Release,MinSizeRel>:-s>)
# Sections nothing refers to are dropped; the load configuration is referred
# to by no code (the loader finds it through the image's directory), so it is
# kept by name (i686 symbols carry a leading underscore).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(DORVANTA_LOAD_CONFIG_SYMBOL __load_config_used)
else()
  set(DORVANTA_LOAD_CONFIG_SYMBOL _load_config_used)
endif()
target_link_options(Dorvanta PRIVATE -Wl,--gc-sections -Wl,--require-defined=${DORVANTA_LOAD_CONFIG_SYMBOL})
# GNU ld fills no load configuration directory: it is pointed at the
# program's own (app/WinMain.cpp), which keeps its imports to the system directory.
add_custom_command(TARGET Dorvanta POST_BUILD
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/pe-load-config $<TARGET_FILE:Dorvanta> VERBATIM)
# A change to that step links the program again, so that the step runs.
set_property(TARGET Dorvanta APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/scripts/pe-load-config)
# The resource script finds the manifest and the artwork beside it.
set_property(SOURCE resources/Dorvanta.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/Dorvanta.manifest)
file(GLOB DORVANTA_ART CONFIGURE_DEPENDS resources/art/*)
set_property(SOURCE resources/Dorvanta.rc APPEND PROPERTY OBJECT_DEPENDS ${DORVANTA_ART})
# The version block names the commit: looked up at every build, the header
# rewritten only when it changes.
set(DORVANTA_COMMIT_HEADER ${CMAKE_BINARY_DIR}/generated/DorvantaCommit.h)
add_custom_target(dorvanta_commit
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DCOMMIT_HEADER=${DORVANTA_COMMIT_HEADER}
          -P ${PROJECT_SOURCE_DIR}/cmake/WriteRelease.cmake
  BYPRODUCTS ${DORVANTA_COMMIT_HEADER}
  VERBATIM)
add_dependencies(Dorvanta dorvanta_commit)
set_property(SOURCE resources/Dorvanta.rc APPEND PROPERTY OBJECT_DEPENDS ${DORVANTA_COMMIT_HEADER}
  ${CMAKE_BINARY_DIR}/generated/DorvantaRelease.h)

if(DORVANTA_WINDOWS_TESTS)
  include(cmake/WindowsTests.cmake)
endif()
