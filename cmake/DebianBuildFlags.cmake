# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds as a Debian package is built: dpkg-buildflags' compiler, preprocessor and linker flags
# (stack protector, fortified functions, read-only relocations, build paths left out of the
# debug information), plus immediate binding, so that every executable is hardened as Debian's
# hardening-check and lintian expect. CMake reads CXXFLAGS and LDFLAGS from the environment but
# never CPPFLAGS, so the preprocessor's go in here too. Off where dpkg-buildflags is missing.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(have_buildflags OFF)
if(DPKG_BUILDFLAGS)
    set(have_buildflags ON)
endif()
option(CLIPFORGER_DEBIAN_BUILD_FLAGS "Build with the flags dpkg-buildflags gives" ${have_buildflags})
if(CLIPFORGER_DEBIAN_BUILD_FLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run from the source folder, whose path dpkg-buildflags maps away from debug paths.
        execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
    endforeach()
    add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
    add_link_options(${debian_LDFLAGS} -Wl,-z,now)
endif()
