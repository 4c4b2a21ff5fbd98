# The Debian package: `cpack -G DEB` in the build folder after the build
# (scripts/package.sh also checks it). Everything lands under /usr: the
# programs and their read-only files in /usr/lib/vantor3d (the install
# folder), links in /usr/bin, desktop entries, MIME type, thumbnailer and
# icons under /usr/share. Writable files go to the user's data folder.
include(GNUInstallDirs)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_VENDOR Norrkel)
set(CPACK_PACKAGE_CONTACT "Vantor3D developers <vantor3d@norrkel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer and measuring tool for VRML 1.0 and 2.0 models")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Korvalde shows VRML 1.0 and 2.0 models (.wrl) in several windows, lets the\n"
    "user turn, move and zoom them with configurable keys and mouse buttons,\n"
    "picks and measures points, edges and faces, and writes VRML 1.0 again.\n"
    "Tessmaran edits the key and mouse bindings; korvalde-cli reads, checks\n"
    "and converts models without a display. File managers show previews of\n"
    "VRML files drawn by the viewer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norrkel.example/vantor3d")
# Shared-library dependencies come from dpkg-shlibdeps; the rest are
# loaded at run time: the Mesa drivers (windows and headless pictures) and a
# font with Japanese glyphs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libegl-mesa0, libgl1-mesa-dri, fonts-ipafont-gothic | fonts-noto-cjk")
# Qt plug-ins read TGA, TIFF and WebP textures.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio-utils | pipewire-bin | alsa-utils, qt6-image-formats-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian wants a copyright file, a compressed changelog and manual pages;
# they are compressed when the build is configured (again when they change).
set(doc_folder ${CMAKE_BINARY_DIR}/package_doc)
file(MAKE_DIRECTORY ${doc_folder})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
execute_process(COMMAND gzip -n -9 -c ${CMAKE_CURRENT_LIST_DIR}/changelog
                OUTPUT_FILE ${doc_folder}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${doc_folder}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantor3d)
foreach(page korvalde tessmaran korvalde-cli)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${page}.1)
    execute_process(COMMAND gzip -n -9 -c ${CMAKE_SOURCE_DIR}/data/man/${page}.1
                    OUTPUT_FILE ${doc_folder}/${page}.1.gz)
    install(FILES ${doc_folder}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
include(CPack)
