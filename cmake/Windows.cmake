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
target_link_options(Dorvanta PRIVATE -static -static-libgcc -static-libstdc++ -municode
  $<$<CONFIG:Release,MinSizeRel>:-s>)
# GNU ld fills no load configuration directory: it is pointed at the
# program's own (app/WinMain.cpp), which keeps its imports to the system directory.
add_custom_command(TARGET Dorvanta POST_BUILD
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/pe-load-config $<TARGET_FILE:Dorvanta> VERBATIM)
# The resource script finds the manifest and the artwork beside it.
set_property(SOURCE resources/Dorvanta.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/Dorvanta.manifest)
file(GLOB DORVANTA_ART CONFIGURE_DEPENDS resources/art/*)
set_property(SOURCE resources/Dorvanta.rc APPEND PROPERTY OBJECT_DEPENDS ${DORVANTA_ART})

if(DORVANTA_WINDOWS_TESTS)
  include(cmake/WindowsTests.cmake)
endif()
