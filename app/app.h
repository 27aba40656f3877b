// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up shared by the program and the tests.
#pragma once

namespace zlp {
// Application-wide settings every window relies on: style and font substitutes,
// and the names that match the windows to the desktop entry.
void prepareApplication();
} // namespace zlp
