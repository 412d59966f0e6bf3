# `cpack -G DEB` in the build tree makes clipforger_<version>_<arch>.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clipforger)
set(CPACK_PACKAGE_VENDOR "Clipforger")
set(CPACK_PACKAGE_CONTACT "Clipforger developers <developers@clipforger.org>")
set(CPACK_PACKAGE_DESCRIPTION
    "Clipforger converts videos with one gesture: drop video files onto its window, press the one
button, and each file is converted in turn by HandBrakeCLI into a small MP4 file in the folder
Clipforger in your Documents folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# dpkg-shlibdeps finds the Qt and C++ libraries the executable links. What it cannot see: the
# encoder behind our link, the plugins Qt loads at run time (the window system and the SVG icon
# engine), and xdg-open, through which Qt opens the output folder in the file manager.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "handbrake-cli, qt6-qpa-plugins, libqt6svg6, xdg-utils")
# Qt's own texts in the user's language, and native windows in Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)
