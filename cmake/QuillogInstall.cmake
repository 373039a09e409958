# SPDX-License-Identifier: GPL-3.0-or-later
# Where an installed Quillog puts its files (Debian layout under CMAKE_INSTALL_PREFIX, /usr for the
# package): the programs in bin/, Templates.dat in share/quillog/ (the programs look there through
# ../share/quillog from their own folder), and the desktop integration, manual pages, completion and
# documentation in their usual places.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(QUILLOG_MAINTAINER "Quillog developers <quillog@users.noreply.invalid>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
set(share ${CMAKE_INSTALL_DATADIR})
set(doc ${share}/doc/quillog) # Debian names the folder after the package, in lower case

foreach(program quillog quillog-cli)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
install(PROGRAMS ${QUILLOG_UPDATER_SCRIPT} DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME quillog-update-templates)
install(FILES ${QUILLOG_TEMPLATES_FILE} DESTINATION ${share}/quillog)

install(FILES ${packaging}/quillog.desktop DESTINATION ${share}/applications)
install(FILES ${packaging}/quillog.xml DESTINATION ${share}/mime/packages)
configure_file(${packaging}/quillog.metainfo.xml ${generated}/quillog.metainfo.xml @ONLY)
install(FILES ${generated}/quillog.metainfo.xml DESTINATION ${share}/metainfo
    RENAME local.quillog.quillog.metainfo.xml)
install(FILES ${packaging}/quillog-cli.bash-completion DESTINATION ${share}/bash-completion/completions
    RENAME quillog-cli)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quillog.svg DESTINATION ${share}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/copyright ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${doc})

# Manual pages and the changelog are installed compressed, without time stamps in the archive.
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
set(compressed)
foreach(source ${packaging}/man/quillog.1 ${packaging}/man/quillog-cli.1
        ${packaging}/man/quillog-update-templates.1 ${generated}/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${generated}/${name}.gz
        COMMAND gzip -9nc ${source} > ${generated}/${name}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${generated}/${name}.gz)
endforeach()
list(POP_BACK compressed changelog)
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog} DESTINATION ${doc})

# The PNG sizes of the icon for desktops that do not draw SVG, drawn from the SVG when rsvg-convert is
# at hand (scripts/bootstrap installs it; the package needs them).
find_program(RSVG_CONVERT rsvg-convert)
set(icons)
if(RSVG_CONVERT)
    foreach(size 16 24 32 48 64 128 256)
        add_custom_command(OUTPUT ${generated}/icons/${size}/quillog.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${generated}/icons/${size}/quillog.png
                    ${PROJECT_SOURCE_DIR}/resources/icons/quillog.svg
            DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/quillog.svg VERBATIM)
        list(APPEND icons ${generated}/icons/${size}/quillog.png)
        install(FILES ${generated}/icons/${size}/quillog.png
            DESTINATION ${share}/icons/hicolor/${size}x${size}/apps)
    endforeach()
else()
    message(STATUS "rsvg-convert not found: the icon is installed as SVG only")
endif()
add_custom_target(quillog-install-files ALL DEPENDS ${compressed} ${changelog} ${icons})
