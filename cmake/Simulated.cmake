# The simulated Windows machine, its console and the tests.
find_package(Iconv REQUIRED)

file(GLOB SIM_SOURCES CONFIGURE_DEPENDS sim/*.cpp sim/scenario/*.cpp)
add_library(dorvanta_sim STATIC ${SIM_SOURCES})
dorvanta_layer_root(dorvanta_sim sim)
target_link_libraries(dorvanta_sim PUBLIC dorvanta_ports PRIVATE Iconv::Iconv)
# The machine's web servers and its download port speak HTTP with cpp-httplib (libcpp-httplib-dev).
find_package(PkgConfig REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
target_link_libraries(dorvanta_sim PRIVATE PkgConfig::HTTPLIB)
# Regular expressions of the scenarios run in linear time with RE2 (libre2-dev).
pkg_check_modules(RE2 REQUIRED IMPORTED_TARGET re2)
target_link_libraries(dorvanta_sim PRIVATE PkgConfig::RE2)
# The standard headers every machine file needs, parsed once.
target_precompile_headers(dorvanta_sim PRIVATE
  <condition_variable> <filesystem> <functional> <list> <map> <memory> <mutex> <optional> <string> <thread> <vector>)

# The console, its text screen and its demo service world: the dialer
# handed to the machine.
file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS console/Demo*.cpp console/DialerProgram.cpp console/TextScreen.cpp)
add_library(dorvanta_demo STATIC ${DEMO_SOURCES})
dorvanta_layer_root(dorvanta_demo console)
target_link_libraries(dorvanta_demo PUBLIC dorvanta_sim dorvanta_dialer)

add_executable(dorvanta console/ConsoleMain.cpp)
target_link_libraries(dorvanta PRIVATE dorvanta_demo)

# The explorer (scripts/explore): seeded random sessions of the scenario
# language on the machine, with the dialer's invariants checked throughout.
# It knows the machine and the language; the program is handed to it.
file(GLOB EXPLORE_SOURCES CONFIGURE_DEPENDS tools/explore/*.cpp)
list(FILTER EXPLORE_SOURCES EXCLUDE REGEX ".*/ExploreMain\\.cpp$")
add_library(dorvanta_explorer STATIC ${EXPLORE_SOURCES})
dorvanta_layer_root(dorvanta_explorer tools/explore)
target_link_libraries(dorvanta_explorer PUBLIC dorvanta_sim)
add_executable(dorvanta_explore tools/explore/ExploreMain.cpp)
target_link_libraries(dorvanta_explore PRIVATE dorvanta_explorer dorvanta_demo)

if(DORVANTA_TESTS)
  enable_testing()
  add_subdirectory(tests)
endif()

option(DORVANTA_FUZZ "Build the fuzz targets (clang with libFuzzer; the fuzz preset)" OFF)
if(DORVANTA_FUZZ)
  add_subdirectory(tests/fuzz)
endif()
