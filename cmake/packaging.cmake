# `make package`: a Debian package of the installed files, its library dependencies computed
# by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrivel)
set(CPACK_PACKAGE_VENDOR "Quadrivel")
set(CPACK_PACKAGE_CONTACT "Quadrivel developers <quadrivel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of formatted tables that end up as pictures")
set(CPACK_PACKAGE_DESCRIPTION
    "Quadrivel edits tables of up to 111 x 111 cells with their own fonts, colours, number
formats, images and icons, series and row and column operations, and exports them as JPEG,
PNG, GIF, TIFF or BMP pictures. quadrivel-cli reads and exports its .qdvl work files without
a display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: TIFF export and the table fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, fonts-liberation2, fonts-dejavu-core")
include(CPack)
