# Read by cpack before it packs. The Debian package's library dependencies
# come from dpkg-shlibdeps on its one program; CPack's own scan would first
# run `file` on each of the 1,200 pictures, which takes half a minute.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(work "${CPACK_PACKAGE_DIRECTORY}/_quorvel_shlibdeps")
    file(REMOVE_RECURSE "${work}")
    file(MAKE_DIRECTORY "${work}/debian")
    file(TOUCH "${work}/debian/control")
    execute_process(
        COMMAND dpkg-shlibdeps -O "${CPACK_QUORVEL_BINARY}"
        WORKING_DIRECTORY "${work}"
        OUTPUT_VARIABLE shlibs
        ERROR_VARIABLE messages
        RESULT_VARIABLE status)
    file(REMOVE_RECURSE "${work}")
    if(NOT status EQUAL 0 OR NOT shlibs MATCHES "^shlibs:Depends=")
        message(FATAL_ERROR "dpkg-shlibdeps failed on ${CPACK_QUORVEL_BINARY}: ${messages}")
    endif()
    string(REGEX REPLACE "^shlibs:Depends=" "" shlibs "${shlibs}")
    string(STRIP "${shlibs}" shlibs)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${shlibs}")
endif()
