# nlohmann-json (Debian package nlohmann-json3-dev) for the cross builds.
include(${CMAKE_CURRENT_LIST_DIR}/../HeaderOnly.cmake)
contour_header_only(nlohmann_json::nlohmann_json nlohmann_json . nlohmann)
