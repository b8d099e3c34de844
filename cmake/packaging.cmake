# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of the installed files, its library dependencies computed
# by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrivel)
set(CPACK_PACKAGE_VENDOR "Quadrivel")
# No mail address is published; the package names the project as its maintainer.
set(CPACK_PACKAGE_CONTACT "The Quadrivel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of formatted tables that end up as pictures")
set(CPACK_PACKAGE_DESCRIPTION
    "Quadrivel edits tables of up to 111 x 111 cells with their own fonts, colours, number
formats, images and icons, series and row and column operations, and exports them as JPEG,
PNG, GIF, TIFF, WebP or BMP pictures at 1x to 4x, or as SVG and PDF. quadrivel-cli imports
CSV data into .qdvl work files, styles them and exports them without a display.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: TIFF export and the table fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, fonts-liberation2, fonts-dejavu-core")
include(CPack)
