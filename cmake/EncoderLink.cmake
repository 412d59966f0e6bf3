# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Links the encoder into the application's resource folder, as Debian's policy has symbolic
# links: relative within one top-level directory (/usr/libexec/clipforger to /usr/bin, so that
# the tree holds wherever it is unpacked), absolute across them (a build tree or a home folder to
# /usr/bin). Run at build time as
#   cmake -DENCODER=... -DLINK_DIR=... -P EncoderLink.cmake
# and included at install time, where the link is written below DESTDIR but points as if it were
# not.
function(clipforger_link_encoder encoder link_dir staging_root)
    string(REGEX MATCH "^/[^/]*" encoder_top "${encoder}")
    string(REGEX MATCH "^/[^/]*" link_top "${link_dir}")
    set(target "${encoder}")
    if(encoder_top STREQUAL link_top)
        file(RELATIVE_PATH target "${link_dir}" "${encoder}")
    endif()
    file(MAKE_DIRECTORY "${staging_root}${link_dir}")
    file(CREATE_LINK "${target}" "${staging_root}${link_dir}/HandBrakeCLI" SYMBOLIC)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    clipforger_link_encoder("${ENCODER}" "${LINK_DIR}" "")
endif()
