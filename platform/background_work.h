// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace bq {

// Runs work that the program does ahead of time (drawing a document, opening a library) on
// one worker thread, one piece after another. One thread keeps one set of fonts and one
// heap of its own; it ends when it has been idle for a while. The application waits for
// the work in hand before it tears down what the work may use.
void runInBackground(std::function<void()> work);

// Waits until the work in hand is done and the worker thread has ended.
void finishBackgroundWork();

} // namespace bq
