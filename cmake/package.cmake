# The Debian package: `cpack -G DEB` in a build directory (scripts/package.sh) packs what
# `cmake --install` installs, under /usr, as fraymark_VERSION_ARCH.deb. The runtime
# dependencies (wx, the C++ library) are found by dpkg-shlibdeps from the programs themselves
# (cmake/package_staging.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fraymark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Fraymark Toolkit makers <fraymark-toolkit@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://fraymark.org/toolkit)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The first line is the short description, the rest the long one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "character generator and game-master aid for the Fraymark RPG
Orlund's Plainspun Fraymark Toolkit creates characters for the Fraymark
tabletop role-playing game step by step, in a chain of windows that follow
the game's rules, shows and logs every die roll, and saves each character as
a file and a printable sheet. A critical-hit roller, a party honor tracker
and a party window help the game master.
.
The fraymark command scripts the same dice, rules tables, characters,
parties and game data from a shell; bash completes its verbs, options and
the class and race names of the data.")

# What only the package holds or needs (compressed man pages, the dependencies, the lintian
# override) is done in its staging tree.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_staging.cmake)
set(CPACK_FRAYMARK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

include(CPack)
