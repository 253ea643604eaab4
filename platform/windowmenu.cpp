// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowmenu.h"

#include "platform/form.h"

namespace bq {

void removeCloseCommand(Form &form)
{
    Qt::WindowFlags flags = form.windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint);
    form.setWindowFlags(flags);
    // Window managers that ignore the hints still ask before closing; the form says no.
    form.setCloseLocked(true);
}

} // namespace bq
