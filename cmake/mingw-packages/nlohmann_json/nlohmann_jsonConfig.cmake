# nlohmann-json for the Windows builds. The library is header-only, but
# Debian's package config points at /usr/include, which a cross compiler must
# not search (the Linux C headers live there): this gives the same target over
# a folder that holds only the library's own headers.
set(contour_json_include ${CMAKE_BINARY_DIR}/mingw-include)
if(NOT EXISTS ${contour_json_include}/nlohmann/json.hpp)
  if(NOT EXISTS /usr/include/nlohmann/json.hpp)
    set(nlohmann_json_FOUND FALSE)
    set(nlohmann_json_NOT_FOUND_MESSAGE "/usr/include/nlohmann/json.hpp not found (Debian package nlohmann-json3-dev)")
    return()
  endif()
  file(MAKE_DIRECTORY ${contour_json_include})
  file(CREATE_LINK /usr/include/nlohmann ${contour_json_include}/nlohmann SYMBOLIC)
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${contour_json_include})
endif()
