// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"
#include "platform/form_registry.h"
#include "platform/messagebox.h"

#include <variant>
#include <vector>

namespace bq::course {

// What starts a handler: a click on a control, a timer's tick, the screen's load, or the
// verdict on an answer, which a Judge step reaches.
struct Event {
    enum class Kind { Click, Tick, Load, Right, RightWithRemark, Wrong, WrongWithFirstOption };
    Kind kind;
    const char *control = nullptr; // the button or timer; none for a load or a verdict

    // A control's name alone stands for a click on it.
    constexpr Event(const char *clicked) : kind(Kind::Click), control(clicked) {} // NOLINT: implicit
    constexpr Event(Kind eventKind, const char *source = nullptr) : kind(eventKind), control(source) {}
};

constexpr Event Tick(const char *timer)
{
    return {Event::Kind::Tick, timer};
}
inline constexpr Event FormLoad{Event::Kind::Load};
// A typed answer that earns a remark, or a wrong answer with the first option chosen, takes
// the plain verdict's row where the screen has no row of its own for it.
inline constexpr Event Right{Event::Kind::Right};
inline constexpr Event RightWithRemark{Event::Kind::RightWithRemark};
inline constexpr Event Wrong{Event::Kind::Wrong};
inline constexpr Event WrongWithFirstOption{Event::Kind::WrongWithFirstOption};

// The screen whose handler runs.
inline constexpr Screen Self = Screen(-1);

enum Only { Always, IfVisible, IfLoaded };

// The steps a handler takes, in the order of its row.
// clang-format off
struct Show { Screen screen; };
struct Hide { Screen screen; Only only = Always; };
struct Unload { Screen screen; Only only = Always; };
struct End {};
struct Play { const char *sound; };
struct Box { const char *prompt; BoxStyle style = BoxStyle::Plain; const char *title = nullptr; };
struct CopyName { Screen screen; const char *label; }; // the player's name into a label there
struct Judge {};  // judges the answer on the screen and goes on with the verdict's row
struct Remark {}; // the teasing remark box of the accepted answer, when it has one
struct Toggle { const char *control; };                // shows a hidden control, hides a shown one
struct CopyText { const char *from; const char *to; }; // between two boxes of the screen
struct Call { void (*function)(Form &self); };
struct Try { bool (*function)(Form &self); };          // the steps after it run only when it succeeds
// clang-format on

using Step = std::variant<Show, Hide, Unload, End, Play, Box, CopyName, Judge, Remark, Toggle, CopyText, Call, Try>;

struct Row {
    Screen screen;
    Event event;
    std::vector<Step> steps;
};

// Every handler of every screen.
const std::vector<Row> &rows();

// Runs the handler of the form's screen for that control and event, if the game has one.
// The forms runtime calls it for every click, tick and load.
void handle(Form &form, const QString &control, FormEvent event);

} // namespace bq::course
