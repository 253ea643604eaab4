#pragma once

#include "platform/messagebox.h"
#include "quiz/answer_matching.h"

#include <vector>

namespace bq {

struct LabelDef {
    const char *name = nullptr;
    const char *text = nullptr; // "" for a label that is filled with the player's name
};

struct HelpDef {
    const char *prompt = nullptr;
    const char *title = nullptr;
    BoxStyle style = BoxStyle::Plain;
};

// What a verdict does, as a string of steps in order:
//   S play the sound, V show the target, U unload the question screen,
//   R the remark box of the accepted answer (if it has one),
//   N write the player's name into the target's lblName.
struct OutcomeDef {
    const char *sound = nullptr;
    const char *target = nullptr;
    const char *steps = "";
    const char *stepsWithRemark = nullptr; // when a remark changes the order
};

struct QuestionDef {
    int number = 0;
    std::vector<LabelDef> greeting{}; // the top line that addresses the player by name
    std::vector<LabelDef> question{}; // top to bottom
    std::vector<const char *> options{};
    int correctOption = 0; // 1-based; 0 when the typed answer decides
    const char *answerBox = nullptr;
    LabelDef beforeBox{};
    LabelDef afterBox{};
    std::vector<AcceptedAnswer> accepted{};
    LabelDef themaLabel{"Label2", "Thema:"};
    LabelDef topicLabel{};
    const char *banner = nullptr;
    const char *giveUpButton = "cmdaufgeben";
    const char *okButton = "cmdok";
    const char *helpButton = "cmdHilfe";
    const char *helpCaption = "kleine Hilfe?";
    HelpDef help{};
    const char *giveUpSound = nullptr;
    OutcomeDef right{};
    OutcomeDef wrong{};
    // Question 9: a wrong answer with the first option chosen earns its own sound.
    const char *wrongSoundWithFirstOption = nullptr;
};

// The sixteen questions, by number.
const QuestionDef &questionDef(int number);

} // namespace bq
