#pragma once

namespace bq {

// For start-up measurements: when the first window has been painted, writes
// "first-paint <CLOCK_MONOTONIC nanoseconds>" to standard output and quits the program.
// Only installed when BQ_BENCH_FIRST_PAINT is set; costs nothing otherwise.
void reportFirstPaintAndQuit();

} // namespace bq
