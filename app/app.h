// Start-up shared by the program and the tests.
#pragma once

namespace zlp {
// Application-wide settings every window relies on: style and font substitutes.
void prepareApplication();
} // namespace zlp
