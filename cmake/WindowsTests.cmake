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
  tests/contract/WindowSystemWin32Checks.cpp tests/contract/ContractResourcesWin32.rc)
target_compile_definitions(dorvanta_contract_tests PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(dorvanta_contract_tests PRIVATE dorvanta_win32 gtest_main gtest)
target_link_options(dorvanta_contract_tests PRIVATE -static -static-libgcc -static-libstdc++)

# The prober's round trip against 127.0.0.1, run by scripts/bench-probe.
add_executable(dorvanta_probe_bench tools/bench/ProbeBench.cpp tools/bench/BenchHostWin32.cpp)
target_compile_definitions(dorvanta_probe_bench PRIVATE ${DORVANTA_WIN32_DEFINITIONS})
target_link_libraries(dorvanta_probe_bench PRIVATE dorvanta_win32)
target_link_options(dorvanta_probe_bench PRIVATE -static -static-libgcc -static-libstdc++)
