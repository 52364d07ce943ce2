# Header-only Debian packages for the cross builds (Windows, and any target
# whose compiler must not search /usr/include, where the Linux C headers live):
# contour_header_only(<target> <package> <folder under /usr/include> <name>)
# links /usr/include/<folder>/<name> into a folder that holds only that
# library's headers and gives <target> over it, as the package's own config
# gives it for Linux.
function(contour_header_only target package folder name)
  set(include ${CMAKE_BINARY_DIR}/cross-include/${package})
  if(NOT EXISTS ${include}/${name})
    if(NOT EXISTS /usr/include/${folder}/${name})
      set(${package}_FOUND FALSE PARENT_SCOPE)
      set(${package}_NOT_FOUND_MESSAGE "/usr/include/${folder}/${name} not found" PARENT_SCOPE)
      return()
    endif()
    file(MAKE_DIRECTORY ${include})
    file(CREATE_LINK /usr/include/${folder}/${name} ${include}/${name} SYMBOLIC)
  endif()
  if(NOT TARGET ${target})
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${include})
  endif()
  set(${package}_FOUND TRUE PARENT_SCOPE)
endfunction()
