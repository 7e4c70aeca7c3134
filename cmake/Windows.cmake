# The real Windows program.
enable_language(RC)
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/WinMain\\.cpp$")
add_library(dorvanta_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(dorvanta_win32 PUBLIC dorvanta_dialer)
target_compile_definitions(dorvanta_win32 PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

add_executable(Dorvanta WIN32 platform/win32/WinMain.cpp resources/Dorvanta.rc)
target_compile_definitions(Dorvanta PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(Dorvanta PRIVATE dorvanta_win32
  comctl32 shell32 user32 gdi32 ole32 oleaut32 uuid urlmon rasapi32 iphlpapi ws2_32 advapi32)
target_link_options(Dorvanta PRIVATE -static -static-libgcc -static-libstdc++ -municode)
