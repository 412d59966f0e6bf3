// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FilePermissions.h"

#include <initializer_list>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

bool makeFilePermissionsBind()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct sets[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, sets) != 0)
        return false;
    const __u32 overrides = CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH);
    if (::geteuid() != 0 && (sets[0].permitted & overrides) == 0)
        return true;
    // Root regains whatever the bounding set holds when it starts a program.
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        if (::prctl(PR_CAPBSET_DROP, capability) != 0)
            return false;
    }
    sets[0].effective &= ~overrides; // both in the first 32 capabilities
    sets[0].permitted &= ~overrides;
    sets[0].inheritable &= ~overrides;
    return ::syscall(SYS_capset, &header, sets) == 0;
}
