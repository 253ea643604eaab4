// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace bq {

// One spelling that counts as right, with the teasing remark it earns (or none).
struct AcceptedAnswer {
    const char *text;
    const char *remark = nullptr;
};

struct LabelDef {
    const char *name = nullptr;
    const char *text = nullptr; // "" for a label that is filled with the player's name
};

// What one question screen shows and which answer it takes. What its buttons do is part
// of the game's course.
struct QuestionDef {
    std::vector<LabelDef> greeting{}; // the top line that addresses the player by name
    std::vector<LabelDef> question{}; // top to bottom
    std::vector<const char *> options{};
    int correctOption = 0; // 1-based; 0 when the typed answer decides
    const char *answerBox = nullptr;
    LabelDef beforeBox{};
    LabelDef afterBox{};
    std::vector<AcceptedAnswer> accepted{};
    LabelDef topicHeading{"Label2", "Thema:"};
    LabelDef topicLabel{};
    const char *banner = nullptr;
    int bannerWidth = 400; // pixels; every banner is 40 high
    const char *giveUpButton = "cmdaufgeben";
    const char *okButton = "cmdok";
    const char *helpButton = "cmdHilfe";
    const char *helpCaption = "kleine Hilfe?";
    int idleTimerMs = 0; // a running timer named Timer1 that has no handler, when not 0
};

// The sixteen questions, by number.
const QuestionDef &questionDef(int number);

} // namespace bq
