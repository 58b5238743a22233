# Run by CPack on the staged tree before it is packed: Debian keeps the
# programs of section games in /usr/games. The data is found relative to the
# binary, and /usr/games/../share/quorvel is the same folder as from /usr/bin.
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/quorvel")
foreach(binary ${binaries})
    get_filename_component(bin "${binary}" DIRECTORY)
    if(NOT bin MATCHES "/usr/bin$")
        continue()
    endif()
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${binary}" "${usr}/games/quorvel")
    file(GLOB left "${bin}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${bin}")
    endif()
endforeach()
