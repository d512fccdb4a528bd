# Installation and the Debian package: the program, its help file, desktop entry, icons and AppStream data.
include(GNUInstallDirs)

set(ORBETTA_APP_ID org.orbetta.Orbetta)

install(TARGETS orbetta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/share/Orbetta.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/orbetta)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/share/${ORBETTA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32)
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}/${ORBETTA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbetta)
set(CPACK_PACKAGE_VENDOR "Orbetta")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scientific calculator")
set(CPACK_PACKAGE_DESCRIPTION "A desktop scientific calculator in one small fixed window: immediate arithmetic,\n32 one-argument functions in degrees or radians, memory, pi, roots, powers and random numbers.")
set(CPACK_PACKAGE_CONTACT "Orbetta maintainers <maintainers@orbetta.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# Library dependencies are computed from the program; the platform plugin is loaded at run time, so it is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
