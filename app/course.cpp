// SPDX-License-Identifier: GPL-3.0-or-later
// The course of the game: every handler of every screen and the steps it takes, in order.
// Nothing else decides where the player goes next.
#include "app/course.h"

#include "ending/certificate_printing.h"
#include "ending/congratulations_screen.h"
#include "quiz/judging.h"
#include "quiz/question_screen.h"

namespace bq::course {
namespace {

using enum Screen;
using enum BoxStyle;

// The about screen is left through its exit button only.
void lockClose(Form &form)
{
    form.lockClose();
}

// The table is laid out by hand, one row per handler, its columns aligned.
// clang-format off
std::vector<Row> buildRows()
{
    return {
        // screen           event                   steps, in order

        // The welcome screen and the ways out of it.
        {Brendelquiz,       "cdmlos_gehts",         {Show{DlgNamen_angeben}}},
        {Brendelquiz,       "Cmdbessernicht",       {Unload{Self}, Show{dlgbeenden}}},
        {Brendelquiz,       "CmdProgramminfo",      {Show{frmwieso}}},
        // Credit and e-mail line take turns; each is turned on its own.
        {Brendelquiz,       Tick("Timer1"),         {Toggle{"lblemail"}, Toggle{"lblAutor"}}},
        {frmwieso,          "cmdok",                {Unload{Self}}},
        {dlgbeenden,        "CancelButton",         {Box{"Na also wieso nicht gleich so!"}, Unload{Self},
                                                     Show{Brendelquiz}}},
        {dlgbeenden,        "OKButton",             {Unload{Self}, Play{"pfff"}, Show{Dlgfeigling}}},
        {Dlgfeigling,       "OKButton",             {Unload{Self}, Show{frmAbout}}},

        // The player's name.
        {DlgNamen_angeben,  "OKButton",             {Show{DlgNamen_anzeigen}, CopyName{DlgNamen_anzeigen, "lblName_ist"},
                                                     Hide{Self}, Play{"danke"}}},
        {DlgNamen_angeben,  "CancelButton",         {Unload{Self}}},
        {DlgNamen_anzeigen, "OKButton",             {Unload{Self}, Unload{Brendelquiz},
                                                     // Once the game is on, nothing may lead into it a
                                                     // second time: a name dialog opened anew goes back
                                                     // into hiding, and an open quit question goes away.
                                                     Hide{DlgNamen_angeben, IfVisible}, Unload{dlgbeenden, IfLoaded},
                                                     Show{frmFrage1}}},

        // The questions. OK judges the answer and goes on with the Right or the Wrong row.
        {frmFrage1,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage1,         "cmdHilfe",             {Box{"Du brauchst aber schon früh meine Hilfe! Fängt mit -M- an.", Exclamation, "Hilfe"}}},
        {frmFrage1,         "cmdok",                {Judge{}}},
        {frmFrage1,         Right,                  {Play{"wow.wav"}, Show{DlgFrage1_richtig}, Unload{Self}}},
        {frmFrage1,         Wrong,                  {Unload{Self}, Show{Dlgfrage1_falsch}, Play{"glass.wav"}}},

        {frmFrage2,         "cmdaufgeben",          {Unload{Self}, Play{"pfff"}, Show{frmAbout}}},
        {frmFrage2,         "cmdHilfe",             {Box{"Hmmmm, wie soll ich Dir nur helfen? Ein kleiner Tip: 1,2 oder 3", Exclamation, "Hilfe"}}},
        {frmFrage2,         "cmdok",                {Judge{}}},
        {frmFrage2,         Right,                  {Play{"wow.wav"}, Unload{Self}, Show{Dlgfrage2_richtig}}},
        {frmFrage2,         Wrong,                  {Show{DlgFrage2_falsch}, Unload{Self}, Play{"glass.wav"}}},

        {frmFrage3,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage3,         "cmdHilfe",             {Box{"Es sind keine Kartoffeln! Bei solch leichten Fragen gibt es noch keine Hilfe!", Exclamation, "Hilfe"}}},
        {frmFrage3,         "cmdok",                {Judge{}}},
        {frmFrage3,         Right,                  {Unload{Self}, Show{dlgfrage3_richtig}, Play{"wow.wav"}}},
        {frmFrage3,         Wrong,                  {Unload{Self}, Show{DlgFrage3_falsch}, Play{"lachen1.wav"}}},

        {frmFrage4,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage4,         "cmdHilfe",             {Box{"Streiche Milch und Du brauchst nur noch zwischen 3 zu wählen!", Exclamation, "Klar helfe ich Dir!"}}},
        {frmFrage4,         "Command1",             {Judge{}}},
        {frmFrage4,         Right,                  {Unload{Self}, Show{DlgFrage4_richtig}, Play{"wow.wav"}}},
        {frmFrage4,         Wrong,                  {Unload{Self}, Show{DlgFrage4_falsch}, Play{"lachen1.wav"}}},

        {frmFrage5,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage5,         "cmdHilfe",             {Box{"Oh,mein Gott,leider habe ich vergessen dies zu programmieren!", Exclamation, "Hilfe?-erst später!"}}},
        {frmFrage5,         "cmdok",                {Judge{}}},
        {frmFrage5,         Right,                  {Play{"wow.wav"}, Unload{Self}, Show{DlgFrage5_richtig}}},
        {frmFrage5,         Wrong,                  {Unload{Self}, Show{DlgFrage5_falsch}, Play{"glass.wav"}}},

        {frmFrage6,         "cmdaufg",              {Unload{Self}, Show{frmAbout}}},
        {frmFrage6,         "cmdHilfe",             {Box{"Es waren 6 Titel!", Plain, "kleine Hilfe"}}},
        {frmFrage6,         "cmdok",                {Judge{}}},
        {frmFrage6,         Right,                  {Play{"wow.wav"}, Unload{Self}, Show{DlgFrage6_richtig}}},
        {frmFrage6,         Wrong,                  {Unload{Self}, Show{DlgFrage6_falsch}, Play{"lachen.wav"}}},

        {frmFrage7,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage7,         "cmd_Hilfe",            {Box{"Ein wahrer Quellmärker informiert sich selbst!", Plain, "kleine Hilfe"}}},
        {frmFrage7,         "cmdok",                {Judge{}}},
        {frmFrage7,         Right,                  {Play{"wow.wav"}, Unload{Self}, Show{dlgFrage7_richtig}}},
        {frmFrage7,         Wrong,                  {Unload{Self}, Show{dlgFrage7_falsch}, Play{"glass.wav"}}},

        {frmFrage8,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage8,         "cmdHilfe",             {Box{"Sich auf den HosenXXXXX setzen (XXXXX) ist sein Zuname. Wenn Du noch seinen "
                                                         "Vornamen weisst, hast Du die Lösung!", Exclamation, "Wolln mer mal nid so sei!"}}},
        {frmFrage8,         "cmdok",                {Judge{}}},
        {frmFrage8,         Right,                  {Play{"applaus.wav"}, Unload{Self}, Call{showRemark}, Show{dlgFrage8_richtig}}},
        {frmFrage8,         Wrong,                  {Unload{Self}, Play{"bond.wav"}, Show{dlgFrage8_falsch}}},

        {frmFrage9,         "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage9,         "cmdHilfe",             {Box{"Es war nach dem zweiten Weltkrieg. Logischerweise dann auch nach dem Ersten!!",
                                                         Plain, "Hi--Hi--Hilfe"}}},
        {frmFrage9,         "cmdok",                {Judge{}}},
        {frmFrage9,         Right,                  {Play{"wow.wav"}, Unload{Self}, Show{dlgFrage9_richtig}}},
        {frmFrage9,         Wrong,                  {Unload{Self}, Show{dlgFrage9_falsch},
                                                     When{firstOptionChosen, {Play{"applaus.oops"}}, {Play{"oops.wav"}}}}},

        {frmFrage10,        "cmdaufgeben",          {Unload{Self}, Play{"pfff"}, Show{frmAbout}}},
        {frmFrage10,        "cmdHilfe",             {Box{"Hilfe wird hier nur Quellmärkern gegeben. Und Du bist noch kein richtiger", Exclamation,
                                                         "Hilfe--nein-nein"}}},
        {frmFrage10,        "cmdok",                {Judge{}}},
        {frmFrage10,        Right,                  {Play{"wow.wav"}, Unload{Self}, Show{dlgFrage10_richtig}}},
        {frmFrage10,        Wrong,                  {Unload{Self}, Show{dlgFrage10_falsch}, Play{"glass.wav"}}},

        {frmFrage11,        "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage11,        "cmdHilfe",             {Box{"  Es ist ein Schloss  ", Exclamation, " Hilfe "}}},
        {frmFrage11,        "cmdok",                {Judge{}}},
        {frmFrage11,        Right,                  {Play{"wow.wav"}, Show{dlgFrage11_richtig}, Unload{Self}}},
        {frmFrage11,        Wrong,                  {Unload{Self}, Play{"glass.wav"}, Show{dlgFrage11_falsch}}},

        {frmFrage12,        "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage12,        "cmdHilfe",             {Box{"Es war ein englischer König!", Exclamation, "Hilfe?,Nää"}}},
        {frmFrage12,        "cmdok",                {Judge{}}},
        {frmFrage12,        Right,                  {Play{"wow.wav"}, Call{showRemark}, Show{dlgFrage12_richtig}, Unload{Self}}},
        {frmFrage12,        Wrong,                  {Unload{Self}, Play{"bond.wav"}, Show{dlgFrage12_falsch}}},

        {frmFrage13,        "cmdaufgeben",          {Unload{Self}, Play{"pfff"}, Show{frmAbout}}},
        {frmFrage13,        "cmdHilfe",             {Box{"Du solltest so langsam als Quellmärker die Aufgaben alleine lösen!", Exclamation,
                                                         "Ts..Ts..Ts"}}},
        {frmFrage13,        "cmdok",                {Judge{}}},
        {frmFrage13,        Right,                  {Play{"wow.wav"}, Call{showRemark}, Show{dlgFrage13_richtig}, Unload{Self}}},
        {frmFrage13,        Wrong,                  {Unload{Self}, Play{"oops.wav"}, Show{dlgFrage13_falsch}}},

        {frmFrage14,        "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        // The one help button that was never wired up gets a hint of our own.
        {frmFrage14,        "cmdHilfe",             {Box{"Ein kleiner Ort am Rhein, ganz im Süden. Mehr wird nicht verraten!", Exclamation,
                                                         "Na gut..."}}},
        {frmFrage14,        "cmdok",                {Judge{}}},
        {frmFrage14,        Right,                  {When{earnsRemark,
                                                          {Call{showRemark}, Play{"hupe.wav"}, Show{dlgFrage14_richtig}, Unload{Self}},
                                                          {Show{dlgFrage14_richtig}, Play{"hupe.wav"}, Unload{Self}}}}},
        {frmFrage14,        Wrong,                  {Unload{Self}, Play{"glass.wav"}, Show{dlgFrage14_falsch}}},

        {frmFrage15,        "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage15,        "cmdHilfe",             {Box{"Keine Hilfe... hä, hä, hä!", Exclamation, "Hilfe?"}}},
        {frmFrage15,        "cmdok",                {Judge{}}},
        {frmFrage15,        Right,                  {Play{"wow.wav"}, Show{dlgFrage15_richtig}, Unload{Self}}},
        {frmFrage15,        Wrong,                  {Unload{Self}, Play{"glass.wav"}, Show{dlgFrage15_falsch}}},

        {frmFrage16,        "cmdaufgeben",          {Unload{Self}, Show{frmAbout}}},
        {frmFrage16,        "cmdHilfe",             {Box{"Du erwartest doch nicht wirklich eine Hilfe!", Exclamation, "Nä..Nä"}}},
        {frmFrage16,        "cmdok",                {Judge{}}},
        {frmFrage16,        Right,                  {CopyName{frmGlueckwunsch, "lblName"}, Play{"trumpet1.wav"},
                                                     Show{frmGlueckwunsch}, Unload{Self}}},
        {frmFrage16,        Wrong,                  {Show{dlgFrage16_falsch}, Play{"glass.wav"}, Unload{Self}}},

        // Praise leads on to the next question, scolding to the about screen.
        {DlgFrage1_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage2}}},
        {Dlgfrage2_richtig,  "OKButton",            {Unload{Self}, CopyName{frmFrage3, "lblTestername"}, Show{frmFrage3}}},
        {dlgfrage3_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage4}}},
        {DlgFrage4_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage5}}},
        {DlgFrage5_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage6}}},
        {DlgFrage6_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage7}}},
        {dlgFrage7_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage8}}},
        {dlgFrage8_richtig,  "OKButton",            {Show{frmFrage9}, Unload{Self}}},
        {dlgFrage9_richtig,  "OKButton",            {Unload{Self}, Show{frmFrage10}}},
        {dlgFrage10_richtig, "OKButton",            {Unload{Self}, Show{frmFrage11}}},
        {dlgFrage11_richtig, "OKButton",            {CopyName{frmFrage12, "lblName"}, Show{frmFrage12}, Unload{Self}}},
        {dlgFrage12_richtig, "OKButton",            {CopyName{frmFrage13, "lblName"}, Show{frmFrage13}, Unload{Self}}},
        {dlgFrage13_richtig, "OKButton",            {Show{frmFrage14}, Unload{Self}}},
        {dlgFrage14_richtig, "OKButton",            {CopyName{frmFrage15, "lblNameFrage15"}, Show{frmFrage15}, Unload{Self}}},
        {dlgFrage15_richtig, "OKButton",            {Unload{Self},
                                                     // The last question greets the player by name too,
                                                     // like questions 12, 13 and 15.
                                                     CopyName{frmFrage16, "lblName"}, Show{frmFrage16},
                                                     Box{"Ja,Ja,Ja ich weiss. Das ist die Frage 16. Aber wir müssen mit dieser einen "
                                                         "Frage Deine Intelligenz noch testen. Da führt kein Weg dran vorbei!",
                                                         Exclamation, "wirklich letzte Frage!"}}},
        {Dlgfrage1_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {DlgFrage2_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {DlgFrage3_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {DlgFrage4_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {DlgFrage5_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {DlgFrage6_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage7_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage8_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage9_falsch,   "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage10_falsch,  "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage11_falsch,  "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage12_falsch,  "OKButton",            {Show{frmAbout}, Unload{Self}}},
        {dlgFrage13_falsch,  "OKButton",            {Unload{Self}, Show{frmAbout}}},
        {dlgFrage14_falsch,  "OKButton",            {Show{frmAbout}, Unload{Self}}},
        {dlgFrage15_falsch,  "OKButton",            {Show{frmAbout}, Unload{Self}}},
        {dlgFrage16_falsch,  "OKButton",            {Unload{Self}, Show{frmAbout}}},

        // The end of every game.
        {frmGlueckwunsch,   FormLoad,               {Call{writeTodaysDate}}},
        // The certificate screen stays when its certificate could neither be printed nor saved.
        {frmGlueckwunsch,   "Druck",                {Try{printCertificate}, Unload{Self}, Show{frmAbout}}},
        {frmGlueckwunsch,   "cmdende",              {Unload{Self}, Show{frmAbout}}},
        {frmAbout,          FormLoad,               {Call{lockClose}}},
        // The ring of four thank-you boxes moves one place; the visible box shows its head.
        {frmAbout,          Tick("Timer1"),         {CopyText{"txtDank1", "Text0"}, CopyText{"txtDank2", "txtDank1"},
                                                     CopyText{"txtDank3", "txtDank2"}, CopyText{"txtDank4", "txtDank3"},
                                                     CopyText{"Text0", "txtDank4"}}},
        {frmAbout,          "cmdExit",              {End{}}},
    };
}
// clang-format on

} // namespace

const std::vector<Row> &rows()
{
    static const std::vector<Row> all = buildRows();
    return all;
}

} // namespace bq::course
