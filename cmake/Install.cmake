# Install rules (GNU layout) and the Debian package. `contour` finds its
# plug-in module in ../lib/contour from its own folder, so the module's folder
# here and the look-up in easel/cli/HostSetup.cpp go together; the install
# test applies the filter from a moved installed tree to prove it.
include(GNUInstallDirs)
set(CONTOUR_INSTALL_MODULEDIR lib/contour)
set(dist ${PROJECT_SOURCE_DIR}/dist)

install(TARGETS contour RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Tesk_Contour LIBRARY DESTINATION ${CONTOUR_INSTALL_MODULEDIR})
# Debian wants the man page and the changelog compressed, without time stamps.
set(compressed)
foreach(file man/contour.1 debian/changelog)
  get_filename_component(name ${file} NAME)
  set(out ${CMAKE_BINARY_DIR}/dist/${name})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${dist}/${file} ${out}
    COMMAND gzip -9nf ${out}
    DEPENDS ${dist}/${file} VERBATIM)
  list(APPEND compressed ${out}.gz)
endforeach()
# The bash completion, written by the program from its own tables.
set(completion ${CMAKE_BINARY_DIR}/dist/contour.bash)
add_custom_command(OUTPUT ${completion}
  COMMAND sh -c "\"$<TARGET_FILE:contour>\" bash-completion > \"${completion}\""
  DEPENDS contour VERBATIM)
add_custom_target(contour_dist_files ALL DEPENDS ${compressed} ${completion})

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/contour)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${dist}/debian/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${docdir})
install(FILES ${CMAKE_BINARY_DIR}/dist/contour.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME contour)
install(FILES ${dist}/desktop/contour-edit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/inkscape/contour_effect.inx DESTINATION ${CMAKE_INSTALL_DATADIR}/inkscape/extensions)
install(PROGRAMS ${dist}/inkscape/contour_effect.py DESTINATION ${CMAKE_INSTALL_DATADIR}/inkscape/extensions)

# The Debian package: `cpack -G DEB` in the build tree, binaries stripped.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME contour)
set(CPACK_PACKAGE_VENDOR "The Contour developers")
set(CPACK_PACKAGE_CONTACT "The Contour developers <contour@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "filter that turns vector drawings (SVG) into stacks of contours")
set(CPACK_PACKAGE_DESCRIPTION "Contour turns each selected object of a drawing into a stack of progressively
scaled, shifted, rotated, point-modified and recoloured copies, set up in a
six-page dialog with 26 presets. The contour command applies it to SVG files
headless or in a browser editor, and an Inkscape extension offers it under
Extensions > Generate from Path.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the libraries `contour` and the module link, by dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_DEPENDS python3)  # the Inkscape extension's interpreter, added to those
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "inkscape, chromium | www-browser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
