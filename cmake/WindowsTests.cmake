# The contract tests against the real Windows ports, run under Wine by
# scripts/windows-tests. GoogleTest is built from Debian's source package.
set(DORVANTA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${DORVANTA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main)
  target_compile_options(${target} PRIVATE -Wno-error)
endforeach()

# The shared test bodies, the Windows environment, and the cases that only
# the real window system has (with the artwork they draw).
file(GLOB CONTRACT_TEST_SOURCES CONFIGURE_DEPENDS tests/contract/*Test.cpp)
add_executable(dorvanta_contract_tests ${CONTRACT_TEST_SOURCES} tests/contract/ContractEnvironmentWin32.cpp
  tests/contract/WindowSystemWin32Checks.cpp tests/contract/DownloadWin32Checks.cpp
  tests/contract/ContractResourcesWin32.rc)
target_compile_definitions(dorvanta_contract_tests PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(dorvanta_contract_tests PRIVATE dorvanta_dialer dorvanta_win32 gtest_main gtest)
target_include_directories(dorvanta_contract_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_options(dorvanta_contract_tests PRIVATE -static -static-libgcc -static-libstdc++)

# The test stand-in of rasapi32.dll, for the end-to-end run under Wine
# (scripts/wine-e2e). It is built into a folder of its own so that nothing
# loads it by accident; never installed or shipped.
add_library(rasapi32_test_standin SHARED tests/ras_standin/StandInExports.cpp
  tests/ras_standin/rasapi32.def)
set_target_properties(rasapi32_test_standin PROPERTIES OUTPUT_NAME rasapi32 PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/ras_standin ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/ras_standin)
target_compile_definitions(rasapi32_test_standin PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_options(rasapi32_test_standin PRIVATE -static -static-libgcc -static-libstdc++ -s)

# The end-to-end run's reader of window state (scripts/wine-e2e).
add_executable(dorvanta_e2e_probe tests/wine/E2eProbe.cpp)
target_compile_definitions(dorvanta_e2e_probe PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(dorvanta_e2e_probe PRIVATE shell32)
target_link_options(dorvanta_e2e_probe PRIVATE -static -static-libgcc -static-libstdc++ -municode -s)

# The yardstick of the start-up benchmark (scripts/startup-bench).
add_executable(dorvanta_bare_window WIN32 tests/wine/BareWindow.cpp)
target_compile_definitions(dorvanta_bare_window PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(dorvanta_bare_window PRIVATE -static -static-libgcc -static-libstdc++ -municode -s)

# The second yardstick: the main window's template shown by the dialog
# manager alone, with the program's resources and manifest.
add_executable(dorvanta_bare_dialog WIN32 tests/wine/BareDialog.cpp resources/Dorvanta.rc)
target_compile_definitions(dorvanta_bare_dialog PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(dorvanta_bare_dialog PRIVATE dorvanta_resources dorvanta_win32)
target_include_directories(dorvanta_bare_dialog PRIVATE ${PROJECT_SOURCE_DIR})
target_link_options(dorvanta_bare_dialog PRIVATE -static -static-libgcc -static-libstdc++ -municode -s)

# Checks of the stand-in, run beside it under Wine by scripts/wine-e2e.
add_executable(rasapi32_standin_check tests/ras_standin/StandInCheck.cpp)
set_target_properties(rasapi32_standin_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/ras_standin)
target_compile_definitions(rasapi32_standin_check PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(rasapi32_standin_check PRIVATE rasapi32)
target_link_options(rasapi32_standin_check PRIVATE -static -static-libgcc -static-libstdc++ -s)

# The prober's round trip against 127.0.0.1, run by scripts/bench-probe.
add_executable(dorvanta_probe_bench tools/bench/ProbeBench.cpp tools/bench/BenchHostWin32.cpp)
target_compile_definitions(dorvanta_probe_bench PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(dorvanta_probe_bench PRIVATE dorvanta_dialer dorvanta_win32)
target_include_directories(dorvanta_probe_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_options(dorvanta_probe_bench PRIVATE -static -static-libgcc -static-libstdc++)

# The marker DLL that the end-to-end run plants beside the program under the
# names of the delay-loaded system DLLs; it must never run.
add_library(dorvanta_planted_dll SHARED tests/wine/PlantedDll.cpp)
set_target_properties(dorvanta_planted_dll PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted)
target_compile_definitions(dorvanta_planted_dll PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(dorvanta_planted_dll PRIVATE -static -static-libgcc -s)
