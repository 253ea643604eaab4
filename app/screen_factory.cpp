// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_factory.h"

#include "app/quit_dialogs.h"
#include "app/welcome_screen.h"
#include "app/why_screen.h"
#include "catalogue/question_catalogue.h"
#include "catalogue/screen_catalogue.h"
#include "catalogue/verdict_catalogue.h"
#include "ending/about_screen.h"
#include "ending/congratulations_screen.h"
#include "platform/art.h"
#include "quiz/name_dialogs.h"
#include "quiz/question_screen.h"
#include "quiz/verdict_dialog.h"

namespace bq {
namespace {

using enum Screen;
using enum ScreenRole;

template <class Kind>
Form *make(const QString &name, const ScreenEntry &entry)
{
    return new Kind(name, QString::fromUtf8(entry.caption), entry.window);
}

// The screens that have a layout of their own; every other one is a plain window.
struct UniqueScreen {
    Screen screen;
    Form *(*create)(const QString &name, const ScreenEntry &);
};

constexpr UniqueScreen kUniqueScreens[] = {
    {Brendelquiz, make<WelcomeScreen>},
    {dlgbeenden, make<QuitDialog>},
    {Dlgfeigling, make<CowardDialog>},
    {frmwieso, make<WhyScreen>},
    {DlgNamen_angeben, make<NameEntryDialog>},
    {DlgNamen_anzeigen, make<NameGreetingDialog>},
    {frmGlueckwunsch, make<CongratulationsScreen>},
    {frmAbout, make<AboutScreen>},
};

Form *createUnique(const QString &name, const ScreenEntry &entry)
{
    for (const UniqueScreen &unique : kUniqueScreens) {
        if (unique.screen == entry.screen)
            return unique.create(name, entry);
    }
    // Never shown: it only carries the program's icon.
    auto *form = new Form(name, QString::fromUtf8(entry.caption), entry.window);
    form->setWindowIcon(artIcon(QStringLiteral("app-icon")));
    return form;
}

} // namespace

Form *createScreen(int id)
{
    const std::span<const ScreenEntry> screens = screenCatalogue();
    if (id < 0 || std::size_t(id) >= screens.size())
        return nullptr;
    const ScreenEntry &entry = screens[std::size_t(id)];
    const QString name = QString::fromUtf8(entry.name);
    const QString caption = QString::fromUtf8(entry.caption);
    Form *form = nullptr;
    switch (entry.role) {
    case Question:
        form = new QuestionScreen(name, caption, questionDef(entry.question));
        break;
    case Right:
    case Wrong:
        form = new VerdictDialog(name, caption, *findVerdict(entry.screen));
        break;
    case Other:
        form = createUnique(name, entry);
        break;
    }
    form->fixDialogSize();
    return form;
}

} // namespace bq
