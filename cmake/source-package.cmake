# Libraries compiled from Debian's source packages for the cross builds, whose
# targets have no prebuilt copy (Debian ships them compiled for Linux only).
# scripts/fetch-source-package.sh fetches each once into build/sources, which
# every cross tree shares.
#   contour_source_package(PACKAGE FILE VAR): sets VAR (a cache entry, which
#   may be set beforehand to a tree of one's own) to the unpacked tree of
#   PACKAGE, checked by FILE, a path inside it.
set(CONTOUR_SOURCE_PACKAGES ${PROJECT_SOURCE_DIR}/build/sources CACHE PATH "Debian source packages of the cross builds")
function(contour_source_package package file var)
  set(${var} "" CACHE PATH "${package}'s source tree (empty: fetched into CONTOUR_SOURCE_PACKAGES)")
  if(${var})
    return()
  endif()
  execute_process(
    COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/fetch-source-package.sh ${package} ${CONTOUR_SOURCE_PACKAGES}
    OUTPUT_VARIABLE tree OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed OR NOT EXISTS ${tree}/${file})
    message(FATAL_ERROR "${package}'s Debian source package could not be fetched (scripts/fetch-source-package.sh)")
  endif()
  set(${var} ${tree} CACHE PATH "${package}'s source tree" FORCE)
endfunction()
