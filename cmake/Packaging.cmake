# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/build-deb.sh does it all). The libraries the program links come from
# dpkg-shlibdeps; what it loads at run time without linking (a spelling dictionary, the speech
# engine) cannot be found that way and is named here. The X11 and SVG plugins come with the
# linked Qt libraries.

# The manual page, compressed as Debian keeps them.
set(_man "${CMAKE_BINARY_DIR}/tessavel.1.gz")
add_custom_command(OUTPUT "${_man}"
                   COMMAND gzip -9nc "${CMAKE_SOURCE_DIR}/desktop/tessavel.1" > "${_man}"
                   DEPENDS "${CMAKE_SOURCE_DIR}/desktop/tessavel.1" VERBATIM)
add_custom_target(tessavel_man ALL DEPENDS "${_man}")
install(FILES "${_man}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES desktop/tessavel.metainfo.xml DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
        RENAME org.tessavel.Editor.metainfo.xml)

set(CPACK_PACKAGE_NAME tessavel)
set(CPACK_PACKAGE_VENDOR "Tessavel")
set(CPACK_PACKAGE_CONTACT "Tessavel Editor developers <tessavel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written web pages and their scripts")
set(CPACK_PACKAGE_DESCRIPTION "Tessavel Editor edits HTML with live colouring, tag completion and a preview
beside the code, inserts tags from menus, palettes and wizards, and edits
VBScript, JScript, Java and rich-text documents in the same frame.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hunspell-en-us | hunspell-dictionary")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-flite-plugin")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "default-jdk")
set(CPACK_STRIP_FILES ON)
include(CPack)
