// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

#include <QString>

#include <span>

namespace bq {

// Every screen of the game, in the order of the project's form table: its enumerator, its
// window name (the objectName, by which tests and assistive tools find it), its caption, its
// role, the question a question screen or verdict dialog belongs to (else 0), and its window
// kind (N normal, D dialog).
// clang-format off
#define BQ_SCREENS(X)                                                                                              \
    X(Brendelquiz,        "Brendelquiz",        "Herzlich Willkommen zum Brendelquiz", Other, 0, N)                \
    X(dlgbeenden,         "dlgbeenden",         "Beenden?", Other, 0, D)                                           \
    X(Dlgfeigling,        "Dlgfeigling",        "Ok,schliessen wir das Programm", Other, 0, D)                     \
    X(frmFrage1,          "frmFrage1",          "noch 14 Fragen bis zum ordentlichen Quellmärker", Question, 1, N) \
    X(Dlgfrage1_falsch,   "Dlgfrage1_falsch",   "falsche Antwort Frage 1", Wrong, 1, D)                            \
    X(DlgFrage1_richtig,  "DlgFrage1_richtig",  "Stimmt", Right, 1, D)                                             \
    X(frmFrage2,          "frmFrage2",          "noch 13 Fragen bis zum ordentlichen Quellmärker", Question, 2, N) \
    X(DlgFrage2_falsch,   "DlgFrage2_falsch",   "das war falsch!", Wrong, 2, D)                                    \
    X(Dlgfrage2_richtig,  "Dlgfrage2_richtig",  "korrekt!", Right, 2, D)                                           \
    X(frmFrage3,          "frmFrage3",          "noch 12 Fragen bis zum ordentlichen Quellmärker", Question, 3, N) \
    X(dlgfrage3_richtig,  "dlgfrage3_richtig",  "richtig", Right, 3, D)                                            \
    X(DlgFrage3_falsch,   "DlgFrage3_falsch",   "Falsch!", Wrong, 3, D)                                            \
    X(frmFrage4,          "frmFrage4",          "noch 11 Fragen bis zum ordentlichen Quellmärker", Question, 4, N) \
    X(DlgFrage4_richtig,  "DlgFrage4_richtig",  "das ist richtig!", Right, 4, D)                                   \
    X(DlgFrage4_falsch,   "DlgFrage4_falsch",   "leider nein!", Wrong, 4, D)                                       \
    X(frmFrage5,          "frmFrage5",          "noch 10 Fragen bis zum ordentlichen Quellmärker", Question, 5, N) \
    X(DlgFrage5_richtig,  "DlgFrage5_richtig",  "nicht schlecht...", Right, 5, D)                                  \
    X(DlgFrage5_falsch,   "DlgFrage5_falsch",   "das war wohl nix", Wrong, 5, D)                                   \
    X(frmFrage6,          "frmFrage6",          "noch 9 Fragen", Question, 6, N)                                   \
    X(DlgNamen_angeben,   "DlgNamen_angeben",   "Name?", Other, 0, D)                                              \
    X(DlgNamen_anzeigen,  "DlgNamen_anzeigen",  "Hallo", Other, 0, D)                                              \
    X(DlgFrage6_richtig,  "DlgFrage6_richtig",  "Frage 6 ist richtig!", Right, 6, D)                               \
    X(DlgFrage6_falsch,   "DlgFrage6_falsch",   "faaaalsch!", Wrong, 6, D)                                         \
    X(frmFrage8,          "frmFrage8",          "Frage 8", Question, 8, N)                                         \
    X(dlgFrage8_richtig,  "dlgFrage8_richtig",  "Stimmt!", Right, 8, D)                                            \
    X(dlgFrage8_falsch,   "dlgFrage8_falsch",   "falsch - falsch", Wrong, 8, D)                                    \
    X(dlgFrage7_falsch,   "dlgFrage7_falsch",   "Faahaalsch!!", Wrong, 7, D)                                       \
    X(frmFrage9,          "frmFrage9",          "Frage 9", Question, 9, N)                                         \
    X(dlgFrage9_richtig,  "dlgFrage9_richtig",  "Gut Gut...weiter so", Right, 9, D)                                \
    X(dlgFrage9_falsch,   "dlgFrage9_falsch",   "Nääää", Wrong, 9, D)                                              \
    X(dlgFrage7_richtig,  "dlgFrage7_richtig",  "mehr als richtig gibt es nicht!", Right, 7, D)                    \
    X(frmFrage10,         "frmFrage10",         "noch 5 Fragen", Question, 10, N)                                  \
    X(dlgFrage10_richtig, "dlgFrage10_richtig", "Diese Antwort ist korrekt!", Right, 10, D)                        \
    X(dlgFrage10_falsch,  "dlgFrage10_falsch",  "Leider falsch", Wrong, 10, D)                                     \
    X(dlgFrage11_richtig, "dlgFrage11_richtig", "Frage 11 hast Du richtig beantwortet!", Right, 11, D)             \
    X(dlgFrage11_falsch,  "dlgFrage11_falsch",  "Der Kandidat hat 0 Punkte!", Wrong, 11, D)                        \
    X(frmFrage11,         "frmFrage11",         "noch läppische 4 Fragen", Question, 11, N)                        \
    X(frmFrage12,         "frmFrage12",         "Nur noch 3 Fragen!", Question, 12, N)                             \
    X(frmFrage13,         "frmFrage13",         "Noch 3 Fragen bis zum glücklichen Quellmärker", Question, 13, N)  \
    X(dlgFrage12_richtig, "dlgFrage12_richtig", "Klasse! Gleich hast Du es geschafft!", Right, 12, D)              \
    X(dlgFrage12_falsch,  "dlgFrage12_falsch",  "Knapp vorbei ist auch daneben!", Wrong, 12, D)                    \
    X(dlgFrage13_richtig, "dlgFrage13_richtig", "noch 2 klitzekleine Fragen", Right, 13, D)                        \
    X(dlgFrage13_falsch,  "dlgFrage13_falsch",  "Das war nix!", Wrong, 13, D)                                      \
    X(frmFrage14,         "frmFrage14",         "Frage 14 von 15", Question, 14, N)                                \
    X(dlgFrage14_richtig, "dlgFrage14_richtig", "stimmt..stimmt", Right, 14, D)                                    \
    X(dlgFrage14_falsch,  "dlgFrage14_falsch",  "Waaas Du weisst das nicht?", Wrong, 14, D)                        \
    X(frmFrage15,         "frmFrage15",         "Frage 15 !!", Question, 15, N)                                    \
    X(dlgFrage15_falsch,  "dlgFrage15_falsch",  "Neeeeeein!!!", Wrong, 15, D)                                      \
    X(dlgFrage15_richtig, "dlgFrage15_richtig", "Hurra, das war Frage15!", Right, 15, D)                           \
    X(frmFrage16,         "frmFrage16",         "allerletzte Frage", Question, 16, N)                              \
    X(frmGlueckwunsch,    "frmGlückwunsch",     "Herzlichen Glückwunsch", Other, 0, N)                             \
    X(dlgFrage16_falsch,  "dlgFrage16_falsch",  "Name des Dialogfeldes", Wrong, 16, D)                             \
    X(frmFrage7,          "frmFrage7",          "Frage 7", Question, 7, N)                                         \
    X(frmAbout,           "frmAbout",           "Info Brendelquiz", Other, 0, D)                                   \
    X(frmwieso,           "frmwieso",           "wieso eigentlich?", Other, 0, N)                                  \
    X(dlgLogofuerexe,     "dlgLogofuerexe",     "Name des Dialogfeldes", Other, 0, D)
// clang-format on

// A screen's enumerator is also its id in the forms registry, which it converts to.
#define BQ_SCREEN_ENUMERATOR(screen, ...) screen,
enum Screen : int { BQ_SCREENS(BQ_SCREEN_ENUMERATOR) };
#undef BQ_SCREEN_ENUMERATOR

enum class ScreenRole { Question, Right, Wrong, Other };

// One screen of the game, as the list above gives it.
struct ScreenEntry {
    Screen screen;
    const char *name;
    const char *caption;
    ScreenRole role;
    int question;
    WindowKind window;
};

std::span<const ScreenEntry> screenCatalogue();
const ScreenEntry &screenEntry(Screen screen);
// The screen's window name, its objectName.
QString screenName(Screen screen);

} // namespace bq
