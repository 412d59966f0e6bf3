# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack as it packages: dates the package's files by the last commit, unless the caller
# chose a date in SOURCE_DATE_EPOCH. Outside a git checkout the files keep their own dates.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_CLIPFORGER_SOURCE_DIR}" log -1 --format=%ct
        OUTPUT_VARIABLE commit_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
        RESULT_VARIABLE git_failed)
    if(NOT git_failed AND commit_epoch)
        set(ENV{SOURCE_DATE_EPOCH} ${commit_epoch})
    endif()
endif()
