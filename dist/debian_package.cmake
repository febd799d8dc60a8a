# The Debian package: `cpack -G DEB` in the build folder. Configure with -DCMAKE_INSTALL_PREFIX=/usr so
# that the package installs where Debian keeps packaged programs.
set(CPACK_PACKAGE_NAME tandora)
set(CPACK_PACKAGE_VENDOR "The Tandora developers")
set(CPACK_PACKAGE_CONTACT "The Tandora developers <maintainers@tandora-game.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "video poker for one player")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The long description; the summary above is its first line, and CPack indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tandora is a video poker game. One player plays five-card draw poker against a
pay table in four games: 8/5 and 9/6 Jacks or Better, Deuces Wild (the four
deuces are wild) and Joker Poker (53 cards, the joker wild). Add credits, bet
one to five coins, hold and draw, gamble a win in a Double Up, cash out into a
credit bank, save and open games, and read the statistics of every game.

Tandora is played for credits only; no money is ever bet, won or lost.

The package also holds tandora-analyze, which evaluates hands and computes the
exact best holds and the return of each pay table.")
# The libraries the programs link come from dpkg-shlibdeps; the fonts every picture is painted in are
# needed for the table to look right. Sound plays through Qt's own PulseAudio client (libpulse0, which
# Qt Multimedia depends on) to the desktop's sound server, so no GStreamer plugin is needed; without a
# server the game plays silently. The readme and pages open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, xdg-utils")

include(CPack)
