// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// Lets every screen tell assistive technology what kind of window it is and what it says;
// called once, by the first screen made.
void installFormAccessibility();

} // namespace bq
