// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// Lets every screen tell assistive technology what kind of window it is and what it says;
// the registry calls it before it makes a screen.
void installFormAccessibility();

} // namespace bq
