# pugixml compiled from Debian's source package for the cross builds, whose
# targets have no prebuilt copy (Debian ships it compiled for Linux only).
# scripts/fetch-source-package.sh fetches it once into build/sources, which
# every cross tree shares; gives the same pugixml::pugixml target as
# find_package(pugixml). Built as Debian builds it, with its default config.
set(CONTOUR_SOURCE_PACKAGES ${PROJECT_SOURCE_DIR}/build/sources CACHE PATH "Debian source packages of the cross builds")
set(CONTOUR_PUGIXML_SOURCE "" CACHE PATH "pugixml's source tree (empty: fetched into CONTOUR_SOURCE_PACKAGES)")
if(NOT CONTOUR_PUGIXML_SOURCE)
  execute_process(
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/fetch-source-package.sh pugixml ${CONTOUR_SOURCE_PACKAGES}
    OUTPUT_VARIABLE tree OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed OR NOT EXISTS ${tree}/src/pugixml.cpp)
    message(FATAL_ERROR "pugixml's Debian source package could not be fetched (scripts/fetch-source-package.sh)")
  endif()
  set(CONTOUR_PUGIXML_SOURCE ${tree} CACHE PATH "pugixml's source tree" FORCE)
endif()
add_library(contour_pugixml STATIC ${CONTOUR_PUGIXML_SOURCE}/src/pugixml.cpp)
target_include_directories(contour_pugixml SYSTEM PUBLIC ${CONTOUR_PUGIXML_SOURCE}/src)
add_library(pugixml::pugixml ALIAS contour_pugixml)
set(pugixml_FOUND TRUE)
