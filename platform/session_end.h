// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// When the desktop session ends the program (SIGTERM, SIGHUP) or a terminal interrupts it
// (SIGINT), the program ends through its event loop, as after its own last screen: the
// event in hand is finished first (a file being saved is saved whole), every
// event loop is left, and the caller of exec() then shuts the program down. A second
// signal ends the program at once. The event loop returns 0, as after the last screen.
void endWithTheSession();

// Ends the process with this status once the program has shut down (windows gone, worker
// done), while the application object still exists. On Wayland, Qt 6.4 takes down its
// connection to the compositor while its own event thread still reads from it, and now and then
// aborts ("mutex lock failure", "wl_proxy_unref") or hangs there: the process ends before that,
// and the compositor closes the connection (no leak check either: the other platforms have it).
// Elsewhere it returns, and the program ends as usual.
int endProcess(int status);

} // namespace bq
