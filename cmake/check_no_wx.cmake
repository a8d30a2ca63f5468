# Fails when any core source includes a wx header: the core must build without the GUI toolkit.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
foreach(f ${files})
    file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"]wx/")
    if(hits)
        message(FATAL_ERROR "wx header included in core: ${f}")
    endif()
endforeach()
message(STATUS "core is free of wx headers")
