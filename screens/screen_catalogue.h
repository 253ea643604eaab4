// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <QString>

#include <optional>
#include <span>

namespace bq {

// Every screen of the game, in the order of the project's form table. Each is named here
// once; the name is also the window's objectName, by which tests and assistive tools find it.
// A window name that is no C++ identifier stands beside its enumerator (Named).
// clang-format off
#define BQ_SCREENS(X, Named)                                                                            \
    X(Brendelquiz) X(dlgbeenden) X(Dlgfeigling) X(frmFrage1) X(Dlgfrage1_falsch) X(DlgFrage1_richtig)   \
    X(frmFrage2) X(DlgFrage2_falsch) X(Dlgfrage2_richtig) X(frmFrage3) X(dlgfrage3_richtig)             \
    X(DlgFrage3_falsch) X(frmFrage4) X(DlgFrage4_richtig) X(DlgFrage4_falsch) X(frmFrage5)              \
    X(DlgFrage5_richtig) X(DlgFrage5_falsch) X(frmFrage6) X(DlgNamen_angeben) X(DlgNamen_anzeigen)      \
    X(DlgFrage6_richtig) X(DlgFrage6_falsch) X(frmFrage8) X(dlgFrage8_richtig) X(dlgFrage8_falsch)      \
    X(dlgFrage7_falsch) X(frmFrage9) X(dlgFrage9_richtig) X(dlgFrage9_falsch) X(dlgFrage7_richtig)      \
    X(frmFrage10) X(dlgFrage10_richtig) X(dlgFrage10_falsch) X(dlgFrage11_richtig) X(dlgFrage11_falsch) \
    X(frmFrage11) X(frmFrage12) X(frmFrage13) X(dlgFrage12_richtig) X(dlgFrage12_falsch)                \
    X(dlgFrage13_richtig) X(dlgFrage13_falsch) X(frmFrage14) X(dlgFrage14_richtig) X(dlgFrage14_falsch) \
    X(frmFrage15) X(dlgFrage15_falsch) X(dlgFrage15_richtig) X(frmFrage16)                              \
    Named(frmGlueckwunsch, "frmGlückwunsch")                                                            \
    X(dlgFrage16_falsch) X(frmFrage7) X(frmAbout) X(frmwieso) X(dlgLogofuerexe)
// clang-format on

#define BQ_SCREEN_ENUMERATOR(screen) screen,
#define BQ_NAMED_SCREEN_ENUMERATOR(screen, name) screen,
enum class Screen { BQ_SCREENS(BQ_SCREEN_ENUMERATOR, BQ_NAMED_SCREEN_ENUMERATOR) };
#undef BQ_NAMED_SCREEN_ENUMERATOR
#undef BQ_SCREEN_ENUMERATOR

#define BQ_SCREEN_COUNT(...) +1
inline constexpr int kScreenCount = 0 BQ_SCREENS(BQ_SCREEN_COUNT, BQ_SCREEN_COUNT);
#undef BQ_SCREEN_COUNT

enum class ScreenRole { Start, Question, Right, Wrong, Other };

// One screen of the game: its window caption, role and window kind.
struct ScreenEntry {
    Screen screen;
    const char *caption;
    ScreenRole role;
    int question; // the question a question screen or verdict dialog belongs to, else 0
    WindowKind window;
};

std::span<const ScreenEntry> screenCatalogue();
const ScreenEntry &screenEntry(Screen screen);

// The screen's name: its objectName and the name the forms runtime knows it by.
QString screenName(Screen screen);
// The screen of that name, if the game has one.
std::optional<Screen> screenNamed(const QString &name);

} // namespace bq
