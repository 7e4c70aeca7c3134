# Delay-import libraries: a DLL named here is not in the import table that
# the loader resolves before WinMain; it is loaded on first use through the
# delay-load hook of platform/win32/SystemLibrary.cpp, from the system
# directory only. Each library is made at configure time from mingw-w64's
# own import library (its exported names) with dlltool --output-delaylib.
function(dorvanta_delay_load_library name out_var)
  find_library(DORVANTA_IMPORT_${name} NAMES lib${name}.a REQUIRED NO_CACHE)
  set(dir ${CMAKE_BINARY_DIR}/delayload)
  set(def ${dir}/${name}.def)
  set(lib ${dir}/lib${name}_delay.a)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_NM} ${DORVANTA_IMPORT_${name}} OUTPUT_VARIABLE symbols
                  COMMAND_ERROR_IS_FATAL ANY)
  # "__imp_Name" (x86_64) or "__imp__Name@N" (i686, stdcall decorated).
  string(REGEX MATCHALL "I __imp_[^\r\n]+" imports "${symbols}")
  set(exports "")
  foreach(entry IN LISTS imports)
    string(REGEX REPLACE "^I __imp_" "" export "${entry}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "^_" "" export "${export}")
    endif()
    string(APPEND exports "  ${export}\n")
  endforeach()
  file(WRITE ${def} "LIBRARY ${name}.dll\nEXPORTS\n${exports}")
  set(kill_at "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at --kill-at)
  endif()
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${name}.dll ${kill_at}
                          --output-delaylib ${lib}
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} ${lib} PARENT_SCOPE)
endfunction()

# Not known DLLs of Windows: a copy beside the program would be found first.
set(DORVANTA_DELAY_LOADED rasapi32 winhttp iphlpapi)
set(DORVANTA_DELAY_LIBRARIES "")
foreach(name IN LISTS DORVANTA_DELAY_LOADED)
  dorvanta_delay_load_library(${name} lib)
  list(APPEND DORVANTA_DELAY_LIBRARIES ${lib})
endforeach()
