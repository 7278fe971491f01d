# The Debian package: cmake --build build --target package makes quorbel_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Quorbel <quorbel@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorbel <quorbel@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows need Qt's platform plugins, which no library links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking board game / juego para descifrar códigos")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The computer hides a row of pieces; you find it by filling the rows of the
board, one attempt each. Every row sent is scored with the pieces that are
right and in place, and those that are right but elsewhere. Pieces can be
fixed and discarded, a hint counts the codes still possible, and the best
times of each kind of game are kept. The game speaks Spanish and can be
played entirely from the keyboard.
.
El ordenador esconde una fila de fichas y tú la descubres llenando las filas
del tablero, un intento cada una. Cada fila enviada dice cuántas fichas
aciertan en su sitio y cuántas están pero en otro sitio. Se pueden fijar y
desechar fichas, una pista cuenta los códigos que quedan posibles y se
guardan los mejores tiempos de cada tipo de partida.")
include(CPack)
