# GoogleTest compiled from Debian's sources (package googletest) for builds
# whose target has no prebuilt copy, such as the Windows cross builds. Gives
# the same GTest::gtest and GTest::gtest_main targets as find_package(GTest).
set(CONTOUR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${CONTOUR_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${CONTOUR_GOOGLETEST_SOURCE} (Debian package googletest).")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${CONTOUR_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
