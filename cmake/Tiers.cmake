# Include roots that show a library the folders it may include from and no others. Headers are
# named "<folder>/<name>.h" everywhere; a root is a folder of the build tree holding one link per
# folder shown, so an include from a folder that is not shown fails to compile
# ("user/window.h: No such file or directory").
function(kalyx_include_root root)
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    get_filename_component(name ${folder} NAME)
    file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
  endforeach()
endfunction()

# One tier of the platform: a static library of the .cpp files of FOLDERS. It sees its own folders
# and those of the tiers BELOW (which it links); nothing outside the platform sees any of them.
function(kalyx_tier name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS;BELOW")
  set(folders)
  set(sources)
  foreach(folder IN LISTS arg_FOLDERS)
    list(APPEND folders ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  set(root ${CMAKE_BINARY_DIR}/tiers/${name})
  kalyx_include_root(${root} ${folders})
  add_library(kalyx_${name}_headers INTERFACE)
  target_include_directories(kalyx_${name}_headers INTERFACE ${root})
  add_library(kalyx_${name} STATIC ${sources})
  target_link_libraries(kalyx_${name} PUBLIC kalyx_platform_api PRIVATE kalyx_${name}_headers)
  foreach(below IN LISTS arg_BELOW)
    target_link_libraries(kalyx_${name} PUBLIC kalyx_${below} PRIVATE kalyx_${below}_headers)
  endforeach()
endfunction()
