# The Debian package, made by `cpack -G DEB` in a build tree (see the
# Makefile's package target). Its library dependencies come from
# dpkg-shlibdeps; what the program loads at run time without linking to it
# is named here.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "drawvane")
set(CPACK_PACKAGE_VENDOR "The Drawvane developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottery coupon with the chances of every prize division")
set(CPACK_PACKAGE_DESCRIPTION
  "Drawvane shows a paper-style coupon of 4 to 12 boards for six-from-N number
lotteries. For the boards you fill it shows the chance of winning each of
seven prize divisions, the odds and the expected return, and two per-board
coefficients, Punch and Spread. Exclusion and inclusion systems shade or
pre-mark numbers on every board, and the full boards can be printed.")
set(CPACK_PACKAGE_CONTACT "The Drawvane developers <developers@drawvane.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # drawvane_<version>_<arch>.deb
# A tool beside a lottery rather than a game: it lives in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' fonts are Tahoma from Wine's fonts and Liberation Serif for
# Times New Roman. The X11 platform plugin, which the program takes first,
# comes with libqt6gui6, a library dependency. On a Wayland desktop the
# program runs through Xwayland, where its window rules hold: GNOME and
# Plasma bring it, so it is recommended, not required. Qt's own Wayland
# platform serves only where no X display answers. Chinese and Korean
# texts take their characters from Noto CJK, Qt's own dialogs their
# translations from Qt's catalogues.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation2, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xwayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
