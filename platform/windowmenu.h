// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace bq {

class Form;

// Keeps a window from being closed except by its own buttons: no close control on the
// title bar where the window manager honours that, and every close request refused.
void removeCloseCommand(Form &form);

} // namespace bq
