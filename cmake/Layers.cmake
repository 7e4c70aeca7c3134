# The layers of the build. A target compiles against an include root of its
# own that holds only its folders (links into the source tree), and sees a
# lower layer's headers only by linking it; an include that runs upward
# finds no file.
function(dorvanta_layer_root target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# The ports' interfaces are the headers of platform/ itself, not of its
# Windows implementation below it.
function(dorvanta_ports_root target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root}/platform)
  file(GLOB headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/*.h)
  foreach(header IN LISTS headers)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
