# The Debian package: `cpack -G DEB` in a build tree configured with
# -DCMAKE_INSTALL_PREFIX=/usr (scripts/package.sh does both) gives
# quillmark_<version>_<arch>.deb with the two programs, the menu entry and
# the icon. The Qt libraries it needs are found by dpkg-shlibdeps; djvused
# and Qt's X11 platform plugin are named here, as nothing links them.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmark developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "working contents and index links for scanned DjVu books")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark reads the hidden OCR text of a DjVu book's contents or index pages, finds the page numbers printed there and adds a hyperlink over each entry; it can also align the links of a page into neat columns. Every change is made by DjVuLibre's djvused. The package holds the desktop program quillmark and the command-line program quillmark-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "djvulibre-bin, qt6-qpa-plugins")
# Qt's own dialogs in the user's language; the desktop's launcher for "Открыть".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, tesseract-ocr, tesseract-ocr-rus, tesseract-ocr-eng")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)
