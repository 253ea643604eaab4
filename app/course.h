// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/screen_catalogue.h"
#include "platform/form_registry.h"
#include "platform/messagebox.h"

#include <functional>
#include <variant>
#include <vector>

namespace bq::course {

// What starts a handler: a click on a control, a timer's tick, the screen's load, or the
// verdict on an answer, which a Judge step reaches.
struct Event {
    enum class Kind { Click, Tick, Load, Right, Wrong };
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
inline constexpr Event Right{Event::Kind::Right};
inline constexpr Event Wrong{Event::Kind::Wrong};

// The screen whose handler runs.
inline constexpr Screen Self = Screen(-1);

enum Only { Always, IfVisible, IfLoaded };

// A function of the handler's own screen, written for the screen's class (Form for any screen),
// as a test: false on a screen of another class.
using ScreenTest = std::function<bool(Form &self)>;
template <class Kind, class Function>
ScreenTest onScreen(Function function)
{
    return [function](Form &self) {
        auto *screen = qobject_cast<Kind *>(&self);
        return screen && function(*screen);
    };
}

struct Step;

// The steps a handler takes, in the order of its row.
// clang-format off
struct Show { Screen screen; };
struct Hide { Screen screen; Only only = Always; };
struct Unload { Screen screen; Only only = Always; };
struct End {};
struct Play { const char *sound; };
struct Box { const char *prompt; BoxStyle style = BoxStyle::Plain; const char *title = nullptr; };
struct CopyName { Screen screen; const char *label; }; // the player's name into a label there
struct Judge {};  // judges the answer on the question screen and goes on with the Right or Wrong row
struct Toggle { const char *control; };                // shows a hidden control, hides a shown one
struct CopyText { const char *from; const char *to; }; // between two boxes of the screen
// clang-format on

// Calls a function of the screen; on a screen of another class the handler stops.
struct Call {
    template <class Kind>
    Call(void (*function)(Kind &)) // NOLINT: implicit, a row names the function alone
        : run(onScreen<Kind>([function](Kind &screen) {
              function(screen);
              return true;
          }))
    {}
    ScreenTest run;
};

// The steps after it run only when the function succeeds.
struct Try {
    template <class Kind>
    Try(bool (*function)(Kind &)) : run(onScreen<Kind>(function)) // NOLINT: implicit
    {}
    ScreenTest run;
};

// The steps of `then` when the test holds for the screen, else those of `otherwise`.
struct When {
    template <class Kind>
    When(bool (*condition)(Kind &), std::vector<Step> then, std::vector<Step> otherwise)
        : test(onScreen<Kind>(condition)), then(std::move(then)), otherwise(std::move(otherwise))
    {}
    ScreenTest test;
    std::vector<Step> then;
    std::vector<Step> otherwise;
};

using AnyStep = std::variant<Show, Hide, Unload, End, Play, Box, CopyName, Judge, Toggle, CopyText, Call, Try, When>;
// One step of a row: a class rather than an alias, as When holds lists of steps itself.
struct Step : AnyStep {
    using AnyStep::AnyStep;
};

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
