# Installing the game and packaging it.
#
#   bin/kworble                    launcher: runs the game in a player's folder
#   libexec/kworble/kworble        the game
#   share/kworble/                 fonts, pictures, sound and the window icon
#   share/applications/kworble.desktop
#   share/icons/hicolor/64x64/apps/kworble.png
include(GNUInstallDirs)

set(KWORBLE_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kworble)
set(KWORBLE_INSTALL_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/kworble)

# The launcher finds the game relative to itself, so any prefix works.
file(RELATIVE_PATH KWORBLE_DATA_FROM_BIN
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KWORBLE_INSTALL_DATA_DIR})
file(RELATIVE_PATH KWORBLE_BINARY_FROM_BIN
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KWORBLE_INSTALL_GAME_DIR}/kworble)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kworble-launcher.sh.in
  ${CMAKE_BINARY_DIR}/kworble-launcher.sh @ONLY)

install(TARGETS kworble RUNTIME DESTINATION ${KWORBLE_INSTALL_GAME_DIR})
install(FILES ${KWORBLE_ASSET_FILES} ${CMAKE_BINARY_DIR}/kworble_icon.bmp
  DESTINATION ${KWORBLE_INSTALL_DATA_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/kworble-launcher.sh
  DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME kworble)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kworble.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/kworble.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

set(CPACK_PACKAGE_NAME kworble)
set(CPACK_PACKAGE_VENDOR "Kworble crew")
set(CPACK_PACKAGE_CONTACT "Kworble crew <crew@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Maze-chase arcade game in the manner of a ZX Spectrum cassette game")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kworble crew <crew@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# SDL2 and the C and C++ runtimes, with the versions the binary needs where
# dpkg-dev can tell them.
find_program(KWORBLE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KWORBLE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.0.12), libc6, libstdc++6, libgcc-s1")
endif()
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kworble.example.org/")
set(CPACK_PACKAGE_DESCRIPTION
  "Steer through 32 by 21 mazes, eat the food and escape four chasers,\nwith a four-way laser, sixteen mazes, a demo and a maze editor.")
set(CPACK_STRIP_FILES ON)
include(CPack)
