// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

class QWidget;

namespace bq {

// Work the user-interface thread can do ahead, while the player reads a screen.

// Runs the work once, after the window's first paint has reached the display.
void afterFirstPaint(QWidget *window, std::function<void()> work);

// Runs the pieces one per turn of the event loop: a click waits for one piece at most.
void runPiecesWhenIdle(std::vector<std::function<void()>> pieces);

} // namespace bq
