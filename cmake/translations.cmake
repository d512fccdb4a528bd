# The translations: the .ts sources in translations/, their .qm files built into build/translations/ (where the
# program looks when it runs from the build folder) and installed in the program's data folder. The target
# update-translations runs lupdate over src/ and refreshes every .ts file; translations of unchanged texts stay.
# lupdate and lrelease come with Debian's qt6-l10n-tools, which has no CMake package; Qt's own LinguistTools
# package (in the heavier qt6-tools-dev) is taken where it is installed.
include(GNUInstallDirs)
find_package(Qt6LinguistTools QUIET CONFIG)
if(TARGET Qt6::lupdate AND TARGET Qt6::lrelease)
    set(ORBETTA_LUPDATE Qt6::lupdate)
    set(ORBETTA_LRELEASE Qt6::lrelease)
else()
    find_program(ORBETTA_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH REQUIRED)
    find_program(ORBETTA_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH
                 REQUIRED)
endif()

set(ORBETTA_LANGUAGES de fr es pt_BR it pl ru zh_CN)
# The engine's marks: ORBETTA_NOOP for the keys' table, ORBETTA_WORDS for texts translated where they are used.
set(ORBETTA_LUPDATE_OPTIONS -silent -locations none -no-obsolete
    -tr-function-alias QT_TRANSLATE_NOOP+=ORBETTA_NOOP,QT_TRANSLATE_NOOP+=ORBETTA_WORDS)

set(ORBETTA_TS_FILES)
set(qm_files)
foreach(language ${ORBETTA_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/orbetta_${language}.ts)
    set(qm ${PROJECT_BINARY_DIR}/translations/orbetta_${language}.qm)
    list(APPEND ORBETTA_TS_FILES ${ts})
    list(APPEND qm_files ${qm})
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/translations
        COMMAND ${ORBETTA_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        COMMENT "Building the ${language} translation"
        VERBATIM)
endforeach()
add_custom_target(orbetta_translations ALL DEPENDS ${qm_files})
add_dependencies(orbetta orbetta_translations)

add_custom_target(update-translations
    COMMAND ${ORBETTA_LUPDATE} ${ORBETTA_LUPDATE_OPTIONS} src -ts ${ORBETTA_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing translations/*.ts from src/"
    VERBATIM)

install(FILES ${qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/orbetta/translations)
