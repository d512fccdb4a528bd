# Installation and the Debian package: the program, its help file, desktop entry, icons, AppStream data, manual
# page, copyright and changelog.
include(GNUInstallDirs)

set(ORBETTA_APP_ID org.orbetta.Orbetta)
set(ORBETTA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbetta)

# The theme's PNG icons are drawn by the program's own icon code at build time.
set(ORBETTA_ICON_SIZES 16 32)
add_executable(orbetta_icon_export ${PROJECT_SOURCE_DIR}/tools/icon_export.cpp)
target_link_libraries(orbetta_icon_export PRIVATE orbetta_gui)
set(icon_pngs)
foreach(size ${ORBETTA_ICON_SIZES})
    list(APPEND icon_pngs ${PROJECT_BINARY_DIR}/icons/${size}/${ORBETTA_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:orbetta_icon_export> ${PROJECT_BINARY_DIR}/icons ${ORBETTA_ICON_SIZES}
    DEPENDS orbetta_icon_export
    COMMENT "Drawing the application icon for the icon theme"
    VERBATIM)
add_custom_target(orbetta_icons ALL DEPENDS ${icon_pngs})

# The manual page and the changelog are installed compressed, without the name and time gzip would record, so
# that the same sources give the same package.
find_program(ORBETTA_GZIP gzip REQUIRED)
set(compressed_docs)
foreach(doc orbetta.1 changelog)
    set(compressed ${PROJECT_BINARY_DIR}/doc/${doc}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
        COMMAND ${ORBETTA_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/share/${doc} > ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/share/${doc}
        COMMENT "Compressing ${doc}")
    list(APPEND compressed_docs ${compressed})
endforeach()
# The manual page in other languages: share/man/<language>/orbetta.1.
file(GLOB translated_pages CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/share/man ${PROJECT_SOURCE_DIR}/share/man/*/orbetta.1)
list(TRANSFORM translated_pages REPLACE "/orbetta.1$" "")
foreach(page ${translated_pages})
    set(compressed ${PROJECT_BINARY_DIR}/doc/${page}/orbetta.1.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc/${page}
        COMMAND ${ORBETTA_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/share/man/${page}/orbetta.1 > ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/share/man/${page}/orbetta.1
        COMMENT "Compressing the ${page} manual page")
    list(APPEND compressed_docs ${compressed})
endforeach()
add_custom_target(orbetta_docs ALL DEPENDS ${compressed_docs})

install(TARGETS orbetta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program also loses the compiler's notes, as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orbetta\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
# The help file in English and in each language it has been translated into; the manual page likewise.
file(GLOB help_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/share/Orbetta.hlp ${PROJECT_SOURCE_DIR}/share/Orbetta_*.hlp)
install(FILES ${help_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/orbetta)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ORBETTA_ICON_SIZES})
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}/${ORBETTA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/doc/orbetta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(page ${translated_pages})
    install(FILES ${PROJECT_BINARY_DIR}/doc/${page}/orbetta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${page}/man1)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/share/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${ORBETTA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbetta)
set(CPACK_PACKAGE_VENDOR "Orbetta")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scientific calculator")
# The long description's lines stay within the 80 columns of Debian's package listings.
set(CPACK_PACKAGE_DESCRIPTION "A desktop scientific calculator in one small fixed window: immediate\n\
arithmetic, 32 one-argument functions in degrees or radians, memory, pi,\n\
roots, powers and random numbers.")
set(CPACK_PACKAGE_CONTACT "Orbetta maintainers <maintainers@orbetta.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package carries the program without its debugging information, as Debian's own packages do.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_permissions.cmake)
# Library dependencies are computed from the program. Qt's platform plugins are loaded at run time: the X11 one
# comes with libqt6gui6; the Wayland one, needed only where no X server is at hand, is recommended, so apt
# installs it by default while an X11-only system may leave it out. The layout is measured in the Liberation
# fonts, which are looked up by name at run time: without them texts no longer fit their places. libcanberra0,
# which plays the bell where there is no X bell, is opened at the first bell, so it is named by hand; the sound it
# plays is in the recommended sound theme. Qt's own words (standard buttons, the file dialog) in the user's
# language come from qt6-translations-l10n; the Liberation fonts have Latin, Greek and Cyrillic letters, and a
# CJK font draws Chinese. Without either the program still works, in English words or with missing glyphs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libcanberra0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, sound-theme-freedesktop, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
