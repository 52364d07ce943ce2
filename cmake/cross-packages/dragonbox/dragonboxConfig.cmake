# dragonbox (Debian package libdragonbox-dev) for the cross builds.
include(${CMAKE_CURRENT_LIST_DIR}/../HeaderOnly.cmake)
contour_header_only(dragonbox::dragonbox dragonbox dragonbox-1.1.3 dragonbox)
