// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes file permissions bind this process and the programs it starts as they bind a user, even
// when the tests run as root: drops the capabilities that override them, for good. Returns
// whether permissions now bind. Capabilities belong to each thread: call it before the process
// starts any thread that touches files.
bool makeFilePermissionsBind();
