# The Debian package, pixmora_<version>_<arch>.deb: everything `cmake
# --install` puts under /usr. `cpack -G DEB` in the build folder (or
# scripts/package) makes it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pixmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Pixmora developers <developers@pixmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture editor with exact pixel commands and a batch tool")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Pixmora opens a picture and runs one of about sixty exact pixel commands\n"
  "from five menus (Color, Mix Image, Filters, Filters Special, Effects),\n"
  "then saves the result as BMP, JPEG, PNG or TIFF. The same command always\n"
  "gives the same pixels. pixmora-cli runs the same commands on many\n"
  "pictures from scripts, each picture in its own process. Every picture\n"
  "file is decoded in a separate, capped process.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pixmora.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends comes from the libraries the programs actually link, through
# dpkg-shlibdeps, so a new library cannot be forgotten there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (the file dialog) in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
