# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build tree makes clipforger_<version>_<arch>.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clipforger)
set(CPACK_PACKAGE_VENDOR "Clipforger")
set(CPACK_PACKAGE_CONTACT "Clipforger developers <developers@clipforger.org>")
# Debian's control file shows these lines as they are, and wants them within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Clipforger converts videos with one gesture: drop video files onto its
window, press the one button, and each file is converted by HandBrakeCLI into
a small MP4 file that plays almost anywhere, in the folder Clipforger in your
Documents folder. Several files are converted at once where the cores and the
memory allow; no file is ever overwritten.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# dpkg-shlibdeps finds the Qt and C++ libraries the executable links, libqt6svg6 among them, which
# also holds the SVG icon engine. What it cannot see: the encoder behind our link, the window
# system plugins Qt loads at run time, and xdg-open, through which Qt opens the output folder in
# the file manager.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "handbrake-cli, qt6-qpa-plugins, xdg-utils")
# Qt's own texts in the user's language, and native windows in Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

# What Debian's policy asks of every package's documentation folder: the machine-readable
# copyright and, for a package without a Debian revision, the changelog as changelog.gz,
# compressed to the maximum and without a time stamp, so that the same build gives the same
# package.
set(package_docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
execute_process(COMMAND date -u -R -d "${CLIPFORGER_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE CLIPFORGER_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${PROJECT_BINARY_DIR}/${package_docdir}/changelog)
configure_file(resources/debian/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -n -9 -k -f ${changelog}
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(clipforger_changelog ALL DEPENDS ${changelog}.gz)
install(FILES resources/debian/copyright ${changelog}.gz DESTINATION ${package_docdir})

# The same sources give the same package, byte for byte: cpack dates every file by the last
# commit (SOURCE_DATE_EPOCH), read when packaging rather than when configuring.
set(CPACK_CLIPFORGER_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDate.cmake)

include(CPack)
