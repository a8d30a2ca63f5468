# What the toolkit needs of the desktop install, included from src/gui.
include(GNUInstallDirs)
set(FRAYMARK_APP_ID org.fraymark.Toolkit CACHE INTERNAL "the desktop application id")
set(FRAYMARK_ICON_DIR ${CMAKE_BINARY_DIR}/icons CACHE INTERNAL "the rendered icons")
set(FRAYMARK_GAMEDATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/fraymark/gamedata
    CACHE INTERNAL "where the game data is installed")

# The toolkit finds the installed game data relative to its own folder, so an install can
# be moved to another prefix.
file(RELATIVE_PATH installed_data_relative /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${FRAYMARK_GAMEDATA_DESTINATION})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/gui/app/workspace_start.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS FRAYMARK_INSTALLED_DATA_RELATIVE="${installed_data_relative}")

# The icon is drawn once, as SVG (packaging/); the PNG sizes of the desktop's icon theme and
# the toolkit's window icon are rendered from it at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${CMAKE_SOURCE_DIR}/packaging/${FRAYMARK_APP_ID}.svg)
set(icon_pngs)
foreach(size 16 32 48 128 256)
    set(png ${FRAYMARK_ICON_DIR}/${size}/${FRAYMARK_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${FRAYMARK_ICON_DIR}/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
        DEPENDS ${icon_svg} VERBATIM)
    list(APPEND icon_pngs ${png})
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})

# The window icon: the 48 pixel rendering compiled into the gui library.
foreach(size 48)
    set(embedded ${FRAYMARK_ICON_DIR}/window_icon_${size}.cpp)
    add_custom_command(OUTPUT ${embedded}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${FRAYMARK_ICON_DIR}/${size}/${FRAYMARK_APP_ID}.png
                -DOUTPUT=${embedded} -DSYMBOL=kWindowIcon${size}Png
                -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
        DEPENDS ${FRAYMARK_ICON_DIR}/${size}/${FRAYMARK_APP_ID}.png
                ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake VERBATIM)
    target_sources(fraymark_gui PRIVATE ${embedded})
endforeach()
