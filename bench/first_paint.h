// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

// For start-up measurements: when the first window has been painted, writes
// "first-paint <CLOCK_MONOTONIC nanoseconds>" to standard output and quits the program.
// Installed by the benchmark's own builds only.
void reportFirstPaintAndQuit();

} // namespace bq
