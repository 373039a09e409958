# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules (scripts/package runs it on a Release build
# installed under /usr).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${QUILLOG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for amateur-radio contact logs in ADIF")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quillog opens an ADIF log into a grid, one column per field and one row per"
    "QSO, repairs it with column and cell tools, checks it against the ADIF"
    "definitions and saves it as ADIF, ADX or CSV. The command-line tool"
    "quillog-cli runs the same engine for batch work and pipelines, and"
    "quillog-update-templates brings the ADIF definitions up to a newer ADIF"
    "release.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLOG_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The template updater is a Python program; the per-user file association calls xdg-mime.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
