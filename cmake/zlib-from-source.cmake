# zlib compiled from Debian's source package for the cross builds (.svgz);
# gives the same ZLIB::ZLIB target as find_package(ZLIB), a static library of
# the library's own sources (not the examples, not the contrib code).
include(${CMAKE_CURRENT_LIST_DIR}/source-package.cmake)
contour_source_package(zlib zlib.h CONTOUR_ZLIB_SOURCE)
set(contour_zlib_parts adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees
  trees uncompr zutil)
list(TRANSFORM contour_zlib_parts PREPEND ${CONTOUR_ZLIB_SOURCE}/)
list(TRANSFORM contour_zlib_parts APPEND .c)
add_library(contour_zlib STATIC ${contour_zlib_parts})
target_include_directories(contour_zlib SYSTEM PUBLIC ${CONTOUR_ZLIB_SOURCE})
# Its own code, not ours: its warnings are not ours to fix.
target_compile_options(contour_zlib PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS contour_zlib)
set(ZLIB_FOUND TRUE)
