# Run by CPack on the package's staging tree, after the install and before the package is made.
set(stage ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# Debian keeps man pages and the changelog compressed at gzip's best, without a time stamp;
# a plain install keeps them as they are.
file(GLOB compressed ${stage}/share/man/man6/*.6 ${stage}/share/doc/fraymark/changelog)
if(NOT compressed)
    message(FATAL_ERROR "no man page found to compress under ${stage}")
endif()
foreach(file IN LISTS compressed)
    execute_process(COMMAND gzip -9nf ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The runtime packages the programs need, as dpkg-shlibdeps finds them from the libraries they
# link. (CPack's own search runs `file` once for each of the ~700 game data files, which takes
# most of a minute; the programs are all in bin/.)
file(GLOB programs ${stage}/bin/*)
set(scratch ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(WRITE ${scratch}/debian/control "")
# It warns that the programs are not installed yet, which is so in a staging tree.
execute_process(COMMAND dpkg-shlibdeps --ignore-missing-info -O ${programs}
                WORKING_DIRECTORY ${scratch} OUTPUT_VARIABLE shlibs ERROR_VARIABLE warnings
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${warnings}")
endif()
file(REMOVE_RECURSE ${scratch})
string(REGEX REPLACE "^shlibs:Depends=([^\n]*).*" "\\1" CPACK_DEBIAN_PACKAGE_DEPENDS "${shlibs}")

# The package is filed under games for the game it serves, while its programs stay in /usr/bin
# where the launcher, scripts and every user's PATH find them.
file(COPY ${CPACK_FRAYMARK_PACKAGING}/fraymark.lintian-overrides
     DESTINATION ${stage}/share/lintian/overrides)
file(RENAME ${stage}/share/lintian/overrides/fraymark.lintian-overrides
     ${stage}/share/lintian/overrides/fraymark)
