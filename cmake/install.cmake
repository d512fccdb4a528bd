# Installation and the Debian package: the program, its help file, desktop entry, icons and AppStream data.
include(GNUInstallDirs)

set(ORBETTA_APP_ID org.orbetta.Orbetta)

# The theme's PNG icons are drawn by the program's own icon code at build time.
set(ORBETTA_ICON_SIZES 16 32)
add_executable(orbetta_icon_export ${PROJECT_SOURCE_DIR}/src/ui/icon_export.cpp)
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

install(TARGETS orbetta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/share/Orbetta.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/orbetta)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ORBETTA_ICON_SIZES})
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}/${ORBETTA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

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
# Library dependencies are computed from the program; the platform plugin is loaded at run time, so it is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
