#pragma once

#include <vector>

namespace bq {

struct VerdictMessage {
    const char *control = nullptr;
    const char *text = nullptr;
    bool textBox = false; // shown in a read-only text box instead of a label
};

// A praise or scolding dialog. Its OK button's steps, in order:
//   U unload the dialog, V show the target, N write the player's name into the target's
//   name label, B the closing message box.
struct VerdictDef {
    const char *dialog = nullptr;
    std::vector<VerdictMessage> messages{};
    const char *target = nullptr;
    const char *steps = "";
    const char *nameLabel = nullptr;
    const char *boxText = nullptr;
    const char *boxTitle = nullptr;
};

const std::vector<VerdictDef> &verdictCatalogue();
const VerdictDef *findVerdict(const char *dialog);

} // namespace bq
