// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen_catalogue.h"

#include <array>

namespace bq {
namespace {

using enum Screen;
using enum ScreenRole;
constexpr WindowKind N = WindowKind::Normal;
constexpr WindowKind D = WindowKind::Dialog;

#define BQ_SCREEN_NAME(screen) #screen,
#define BQ_NAMED_SCREEN_NAME(screen, name) name,
constexpr const char *kNames[] = {BQ_SCREENS(BQ_SCREEN_NAME, BQ_NAMED_SCREEN_NAME)};
#undef BQ_NAMED_SCREEN_NAME
#undef BQ_SCREEN_NAME

// All 56 screens, in the order of the project's form table.
constexpr std::array<ScreenEntry, kScreenCount> kScreens{{
    {Brendelquiz, "Herzlich Willkommen zum Brendelquiz", Start, 0, N},
    {dlgbeenden, "Beenden?", Other, 0, D},
    {Dlgfeigling, "Ok,schliessen wir das Programm", Other, 0, D},
    {frmFrage1, "noch 14 Fragen bis zum ordentlichen Quellmärker", Question, 1, N},
    {Dlgfrage1_falsch, "falsche Antwort Frage 1", Wrong, 1, D},
    {DlgFrage1_richtig, "Stimmt", Right, 1, D},
    {frmFrage2, "noch 13 Fragen bis zum ordentlichen Quellmärker", Question, 2, N},
    {DlgFrage2_falsch, "das war falsch!", Wrong, 2, D},
    {Dlgfrage2_richtig, "korrekt!", Right, 2, D},
    {frmFrage3, "noch 12 Fragen bis zum ordentlichen Quellmärker", Question, 3, N},
    {dlgfrage3_richtig, "richtig", Right, 3, D},
    {DlgFrage3_falsch, "Falsch!", Wrong, 3, D},
    {frmFrage4, "noch 11 Fragen bis zum ordentlichen Quellmärker", Question, 4, N},
    {DlgFrage4_richtig, "das ist richtig!", Right, 4, D},
    {DlgFrage4_falsch, "leider nein!", Wrong, 4, D},
    {frmFrage5, "noch 10 Fragen bis zum ordentlichen Quellmärker", Question, 5, N},
    {DlgFrage5_richtig, "nicht schlecht...", Right, 5, D},
    {DlgFrage5_falsch, "das war wohl nix", Wrong, 5, D},
    {frmFrage6, "noch 9 Fragen", Question, 6, N},
    {DlgNamen_angeben, "Name?", Other, 0, D},
    {DlgNamen_anzeigen, "Hallo", Other, 0, D},
    {DlgFrage6_richtig, "Frage 6 ist richtig!", Right, 6, D},
    {DlgFrage6_falsch, "faaaalsch!", Wrong, 6, D},
    {frmFrage8, "Frage 8", Question, 8, N},
    {dlgFrage8_richtig, "Stimmt!", Right, 8, D},
    {dlgFrage8_falsch, "falsch - falsch", Wrong, 8, D},
    {dlgFrage7_falsch, "Faahaalsch!!", Wrong, 7, D},
    {frmFrage9, "Frage 9", Question, 9, N},
    {dlgFrage9_richtig, "Gut Gut...weiter so", Right, 9, D},
    {dlgFrage9_falsch, "Nääää", Wrong, 9, D},
    {dlgFrage7_richtig, "mehr als richtig gibt es nicht!", Right, 7, D},
    {frmFrage10, "noch 5 Fragen", Question, 10, N},
    {dlgFrage10_richtig, "Diese Antwort ist korrekt!", Right, 10, D},
    {dlgFrage10_falsch, "Leider falsch", Wrong, 10, D},
    {dlgFrage11_richtig, "Frage 11 hast Du richtig beantwortet!", Right, 11, D},
    {dlgFrage11_falsch, "Der Kandidat hat 0 Punkte!", Wrong, 11, D},
    {frmFrage11, "noch läppische 4 Fragen", Question, 11, N},
    {frmFrage12, "Nur noch 3 Fragen!", Question, 12, N},
    {frmFrage13, "Noch 3 Fragen bis zum glücklichen Quellmärker", Question, 13, N},
    {dlgFrage12_richtig, "Klasse! Gleich hast Du es geschafft!", Right, 12, D},
    {dlgFrage12_falsch, "Knapp vorbei ist auch daneben!", Wrong, 12, D},
    {dlgFrage13_richtig, "noch 2 klitzekleine Fragen", Right, 13, D},
    {dlgFrage13_falsch, "Das war nix!", Wrong, 13, D},
    {frmFrage14, "Frage 14 von 15", Question, 14, N},
    {dlgFrage14_richtig, "stimmt..stimmt", Right, 14, D},
    {dlgFrage14_falsch, "Waaas Du weisst das nicht?", Wrong, 14, D},
    {frmFrage15, "Frage 15 !!", Question, 15, N},
    {dlgFrage15_falsch, "Neeeeeein!!!", Wrong, 15, D},
    {dlgFrage15_richtig, "Hurra, das war Frage15!", Right, 15, D},
    {frmFrage16, "allerletzte Frage", Question, 16, N},
    {frmGlueckwunsch, "Herzlichen Glückwunsch", Other, 0, N},
    {dlgFrage16_falsch, "Name des Dialogfeldes", Wrong, 16, D},
    {frmFrage7, "Frage 7", Question, 7, N},
    {frmAbout, "Info Brendelquiz", Other, 0, D},
    {frmwieso, "wieso eigentlich?", Other, 0, N},
    {dlgLogofuerexe, "Name des Dialogfeldes", Other, 0, D},
}};

constexpr bool inEnumOrder()
{
    for (int i = 0; i < kScreenCount; ++i) {
        if (kScreens[std::size_t(i)].screen != Screen(i))
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "the catalogue lists the screens in the order of their enumeration");

} // namespace

std::span<const ScreenEntry> screenCatalogue()
{
    return kScreens;
}

const ScreenEntry &screenEntry(Screen screen)
{
    return kScreens.at(std::size_t(screen));
}

QString screenName(Screen screen)
{
    return QString::fromUtf8(kNames[std::size_t(screen)]);
}

std::optional<Screen> screenNamed(const QString &name)
{
    for (int i = 0; i < kScreenCount; ++i) {
        if (name == QString::fromUtf8(kNames[i]))
            return Screen(i);
    }
    return std::nullopt;
}

} // namespace bq
