# The release, defined once: the program's version block, its About box, its
# own version for the update check, and the installer's name and version are
# made from these values.
set(DORVANTA_RELEASE 1.4.6)
set(DORVANTA_FILE_VERSION 1.0.0.0)
set(DORVANTA_PRODUCT "Velk VPN")
set(DORVANTA_PRODUCT_NAME "Velk VPN Client V${DORVANTA_RELEASE}")
set(DORVANTA_DESCRIPTION "Velk VPN Client")
set(DORVANTA_MAKER "Velk Networks")

# 1.4.6 written without its points; 1, 0, 0, 0 as the version block writes it.
string(REPLACE "." "" DORVANTA_RELEASE_NUMBER "${DORVANTA_RELEASE}")
string(REPLACE "." ", " DORVANTA_FILE_VERSION_LIST "${DORVANTA_FILE_VERSION}")

# The commit a tree was checked out at, "+modified" when its tracked files
# differ from it, "unknown" outside a git checkout.
function(dorvanta_source_commit source_dir out_var)
  set(commit unknown)
  find_program(DORVANTA_GIT git)
  if(DORVANTA_GIT)
    execute_process(COMMAND ${DORVANTA_GIT} -C ${source_dir} rev-parse --verify HEAD
                    OUTPUT_VARIABLE head OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND head MATCHES "^[0-9a-f]+$")
      set(commit ${head})
      execute_process(COMMAND ${DORVANTA_GIT} -C ${source_dir} status --porcelain --untracked-files=no
                      OUTPUT_VARIABLE changes ERROR_QUIET)
      if(NOT changes STREQUAL "")
        string(APPEND commit "+modified")
      endif()
    endif()
  endif()
  set(${out_var} ${commit} PARENT_SCOPE)
endfunction()
