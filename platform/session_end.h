// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// When the desktop session ends the program (SIGTERM, SIGHUP) or a terminal interrupts it
// (SIGINT), the program ends through its event loop, as after its own last screen: the
// event in hand is finished first (a certificate being saved is saved whole), every
// event loop is left, and the caller of exec() then shuts the program down. A second
// signal ends the program at once. The event loop returns 0, as after the last screen.
void endWithTheSession();

} // namespace bq
