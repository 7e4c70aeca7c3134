# The simulated Windows machine, its console and the tests.
find_package(Iconv REQUIRED)

file(GLOB SIM_SOURCES CONFIGURE_DEPENDS sim/*.cpp)
list(FILTER SIM_SOURCES EXCLUDE REGEX ".*/ConsoleMain\\.cpp$")
add_library(dorvanta_sim STATIC ${SIM_SOURCES})
target_link_libraries(dorvanta_sim PUBLIC dorvanta_dialer Iconv::Iconv)

add_executable(dorvanta sim/ConsoleMain.cpp)
target_link_libraries(dorvanta PRIVATE dorvanta_sim)

if(DORVANTA_TESTS)
  enable_testing()
  add_subdirectory(tests)
endif()
