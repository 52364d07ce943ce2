# CLI11 (Debian package libcli11-dev) for the cross builds.
include(${CMAKE_CURRENT_LIST_DIR}/../HeaderOnly.cmake)
contour_header_only(CLI11::CLI11 CLI11 . CLI)
