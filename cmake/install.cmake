# Installation and the Debian package: the program and its three tools in bin/, the window
# module in lib/kartino/, the sample exercises in share/kartino/examples/, a manual page for each
# program in share/man/man1/. The program finds its fonts through fontconfig, the same from the
# build tree as installed, its window module by the path from bin/ to lib/kartino/ (compiled in),
# and kartino-host starts the kartino beside it, so the installed layout needs nothing else.
install(TARGETS kartino kartino-host kartino-render kartino-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kartino_backend_sdl LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/kartino)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kartino/examples)
install(FILES docs/man/kartino.1 docs/man/kartino-host.1 docs/man/kartino-render.1 docs/man/kartino-check.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB (from the build folder): the runtime libraries the programs and the module link come from
# dpkg-shlibdeps (Debian's dpkg-dev); the fonts the legacy names resolve to are data and named here.
set(CPACK_PACKAGE_NAME kartino)
set(CPACK_PACKAGE_VENDOR "Kartino")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-screen map exercise for cognitive training")
set(CPACK_PACKAGE_CONTACT "Kartino developers <kartino@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
