# pugixml compiled from Debian's source package for the cross builds; gives
# the same pugixml::pugixml target as find_package(pugixml). Built as Debian
# builds it, with its default config.
include(${CMAKE_CURRENT_LIST_DIR}/source-package.cmake)
contour_source_package(pugixml src/pugixml.cpp CONTOUR_PUGIXML_SOURCE)
add_library(contour_pugixml STATIC ${CONTOUR_PUGIXML_SOURCE}/src/pugixml.cpp)
target_include_directories(contour_pugixml SYSTEM PUBLIC ${CONTOUR_PUGIXML_SOURCE}/src)
add_library(pugixml::pugixml ALIAS contour_pugixml)
set(pugixml_FOUND TRUE)
