// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"

#include <vector>

namespace bq {

struct VerdictMessage {
    const char *control = nullptr;
    const char *text = nullptr;
    bool textBox = false; // shown in a read-only text box instead of a label
};

// What a praise or scolding dialog says. Where its OK button leads is part of the course.
struct VerdictDef {
    Screen dialog;
    std::vector<VerdictMessage> messages{};
};

const VerdictDef *findVerdict(Screen dialog);

} // namespace bq
