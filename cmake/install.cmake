# The desktop install: `cmake --install build --prefix PREFIX` puts the two programs in bin/,
# the shipped game data in share/fraymark/gamedata, the launcher, the icons, the AppStream
# metainfo, the man pages and the bash completion where a freedesktop desktop looks for them.
include(GNUInstallDirs)

set(FRAYMARK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(FRAYMARK_GAMEDATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/fraymark/gamedata)
# FRAYMARK_APP_ID and FRAYMARK_ICON_DIR come from cmake/desktop_gui.cmake.

install(TARGETS fraymark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/gamedata/ DESTINATION ${FRAYMARK_GAMEDATA_DESTINATION})
install(FILES ${FRAYMARK_PACKAGING}/fraymark.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${FRAYMARK_PACKAGING}/fraymark.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME fraymark)
install(FILES ${FRAYMARK_PACKAGING}/copyright ${FRAYMARK_PACKAGING}/changelog
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fraymark)

if(FRAYMARK_GUI)
    foreach(size 16 32 48 128 256)
        install(FILES ${FRAYMARK_ICON_DIR}/${size}/${FRAYMARK_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(TARGETS fraymark-toolkit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${FRAYMARK_PACKAGING}/${FRAYMARK_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${FRAYMARK_PACKAGING}/${FRAYMARK_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${FRAYMARK_PACKAGING}/${FRAYMARK_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${FRAYMARK_PACKAGING}/fraymark-toolkit.6
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

    # Packs the build (cmake/package.cmake), unpacks the package into a temporary root and
    # validates what landed there.
    if(FRAYMARK_TESTS)
        add_test(NAME install_validates
                 COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
                         ${CMAKE_SOURCE_DIR})
        set_tests_properties(install_validates PROPERTIES LABELS install SKIP_RETURN_CODE 77)
    endif()
endif()
