# Installed layout: the binary in PREFIX/bin, the read-only game data in
# PREFIX/share/quorvel (found relative to the binary, so the tree can be moved
# as a whole), desktop entry, AppStream metainfo, icons and man page. The
# Debian package is made from the same rules by CPack.

include(GNUInstallDirs)

set(QUORVEL_APP_ID io.github.quorvel.Quorvel)
set(QUORVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvel)
file(RELATIVE_PATH QUORVEL_DATA_FROM_BINARY ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QUORVEL_DATA_DIR})
target_compile_definitions(quorvel_core PRIVATE
    QUORVEL_DATA_FROM_BINARY="${QUORVEL_DATA_FROM_BINARY}")
# Relocations read-only before the program runs, as Debian builds its programs.
target_link_options(quorvel PRIVATE LINKER:-z,relro,-z,now)
target_compile_definitions(quorvel PRIVATE
    QUORVEL_APP_ID="${QUORVEL_APP_ID}" QUORVEL_VERSION="${PROJECT_VERSION}")

set(QUORVEL_PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(QUORVEL_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

# The template of every user's card database, generated afresh so that a
# game played in the portable folder never reaches the package.
add_custom_command(
    OUTPUT ${QUORVEL_PACKAGING_DIR}/Cards.mdb
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_PACKAGING_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${QUORVEL_PACKAGING_DIR}/Cards.mdb
    COMMAND gen_cards ${CMAKE_SOURCE_DIR}/data/cards.csv ${QUORVEL_PACKAGING_DIR}/Cards.mdb
    DEPENDS gen_cards ${CMAKE_SOURCE_DIR}/data/cards.csv
    COMMENT "Building the installed card database template"
    VERBATIM)

# Debian wants manual pages and the changelog compressed, without time stamps.
foreach(doc quorvel.6 changelog)
    add_custom_command(
        OUTPUT ${QUORVEL_PACKAGING_DIR}/${doc}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_PACKAGING_DIR}
        COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${QUORVEL_PACKAGING_SOURCE}/${doc}
                ${QUORVEL_PACKAGING_DIR}/${doc}.gz
        DEPENDS ${QUORVEL_PACKAGING_SOURCE}/${doc}
        COMMENT "Compressing ${doc}"
        VERBATIM)
endforeach()
add_custom_target(quorvel_install_data ALL
    DEPENDS ${QUORVEL_PACKAGING_DIR}/Cards.mdb ${QUORVEL_PACKAGING_DIR}/quorvel.6.gz
            ${QUORVEL_PACKAGING_DIR}/changelog.gz)

configure_file(${QUORVEL_PACKAGING_SOURCE}/quorvel.desktop.in
               ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.desktop @ONLY)
configure_file(${QUORVEL_PACKAGING_SOURCE}/quorvel.metainfo.xml.in
               ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORVEL_PACKAGING_DIR}/Cards.mdb ${CMAKE_SOURCE_DIR}/data/QorRules.rtf
        DESTINATION ${QUORVEL_DATA_DIR})
install(DIRECTORY ${QUORVEL_PROGRAM_DIR}/images ${QUORVEL_PROGRAM_DIR}/cards
        DESTINATION ${QUORVEL_DATA_DIR})
install(FILES ${QUORVEL_QM_FILES} DESTINATION ${QUORVEL_DATA_DIR}/translations)
install(FILES ${QUORVEL_RULES_SOURCES} DESTINATION ${QUORVEL_DATA_DIR}/rules)
install(FILES ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${QUORVEL_ICON_SIZES})
    install(FILES ${CMAKE_BINARY_DIR}/embedded/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUORVEL_APP_ID}.png)
endforeach()
install(FILES ${QUORVEL_PACKAGING_DIR}/quorvel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${QUORVEL_PACKAGING_SOURCE}/copyright ${QUORVEL_PACKAGING_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorvel)

# `make package`: a Debian package of the same tree under /usr. The top-level
# Makefile builds first; packing itself does not check every target again
# (with the tests' targets that takes longer than the packing).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel Developers <quorvel@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quorvel.github.io/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game for two players on one screen")
# CPack puts the summary first and indents every line of the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvel is a card game for two players who share one screen and one mouse.
Each player chooses five of eight cards drawn from a list of 606, then the
players take turns placing them on a 3 x 3 board. A placed card captures the
opponent's neighbours whose facing edge is weaker, and the first player to
win three rounds wins the match.")
# The fonts and the SQLite driver are loaded at run time and so are named
# here; the libraries are added from dpkg-shlibdeps by CPackProject.cmake.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-noto-cjk, libqt6sql6-sqlite")
# Qt's own texts (the help's frame, a report's button) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_QUORVEL_BINARY ${QUORVEL_PROGRAM_DIR}/quorvel)
set(CPACK_PROJECT_CONFIG_FILE ${QUORVEL_PACKAGING_SOURCE}/CPackProject.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian keeps the programs of section games in /usr/games.
set(CPACK_PRE_BUILD_SCRIPTS ${QUORVEL_PACKAGING_SOURCE}/DebianGames.cmake)
include(CPack)
