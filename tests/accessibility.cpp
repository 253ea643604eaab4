// SPDX-License-Identifier: GPL-3.0-or-later
// Every control that a screen reader reaches on every screen a game shows is called by what a
// sighted player reads on it or beside it: never nothing, never its control name, never a
// text with a carriage return in it; every screen is of the role of its window kind.
//
// BQ_ACCESSIBLE_TREE_DIR=<directory>: also writes each screen's accessible tree to
// <directory>/<screen>.tree, for accessibility.test.sh to compare with what the desktop's
// accessibility bus reports, and its control names to <directory>/<screen>.names.
#include "catalogue/screen_catalogue.h"
#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

namespace {

using namespace bq;

const QString kPlayer = QStringLiteral("Jürgen Müller");

// Plays from the start until the screen is on display, the way a player gets there.
bool reach(test::GameDriver &driver, const ScreenEntry &entry)
{
    const QString screen = screenName(entry.screen);
    if (entry.role == ScreenRole::Question)
        return driver.playTo(entry.question, kPlayer);
    if (entry.role == ScreenRole::Right || entry.role == ScreenRole::Wrong) {
        const test::QuestionMoves &moves = test::questionMoves(entry.question);
        const QString given = entry.role == ScreenRole::Right ? moves.rightAnswer : QString(); // none is wrong
        return driver.playTo(entry.question, kPlayer) && driver.answer(entry.question, given)
            && driver.click(moves.screen, moves.okButton);
    }
    if (screen == QStringLiteral("frmGlückwunsch"))
        return driver.winGame(kPlayer);
    // The clicks ("screen.control", or "screen.box=text" to type) to the screens no answer leads to.
    const QHash<QString, QStringList> routes = {
        {QStringLiteral("frmwieso"), {QStringLiteral("Brendelquiz.CmdProgramminfo")}},
        {QStringLiteral("dlgbeenden"), {QStringLiteral("Brendelquiz.Cmdbessernicht")}},
        {QStringLiteral("Dlgfeigling"),
         {QStringLiteral("Brendelquiz.Cmdbessernicht"), QStringLiteral("dlgbeenden.OKButton")}},
        {QStringLiteral("frmAbout"),
         {QStringLiteral("Brendelquiz.Cmdbessernicht"), QStringLiteral("dlgbeenden.OKButton"),
          QStringLiteral("Dlgfeigling.OKButton")}},
        {QStringLiteral("DlgNamen_angeben"), {QStringLiteral("Brendelquiz.cdmlos_gehts")}},
        {QStringLiteral("DlgNamen_anzeigen"),
         {QStringLiteral("Brendelquiz.cdmlos_gehts"), QStringLiteral("DlgNamen_angeben.txt_Name=") + kPlayer,
          QStringLiteral("DlgNamen_angeben.OKButton")}},
    };
    driver.startGame();
    for (const QString &step : routes.value(screen)) {
        const QStringList parts = step.split(QRegularExpression(QStringLiteral("[.=]")));
        if (!(parts.size() == 3 ? driver.type(parts[0], parts[1], parts[2]) : driver.click(parts[0], parts[1])))
            return false;
    }
    return driver.visibleScreens().contains(screen);
}

// One line per accessible object, depth first, as a screen reader gets them.
QString treeLine(QAccessibleInterface *node, int depth)
{
    QString line = QString(depth * 2, u' ') + node->text(QAccessible::Name);
    if (const QString description = node->text(QAccessible::Description); !description.isEmpty())
        line += QStringLiteral(" | ") + description;
    return line.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
}

// Checks a node and every node below it that a screen reader lands on: not the hidden ones,
// not Qt's own parts of a control (a text view's scroll bars), not the unnamed boxes that only
// lay controls out, not lines. The tree gets every node.
void inspect(QAccessibleInterface *node, int depth, bool reached, QStringList &faults, QStringList &tree)
{
    tree << treeLine(node, depth);
    const QString objectName = node->object()->objectName();
    const QString name = node->text(QAccessible::Name);
    reached = reached && !node->state().invisible && !objectName.startsWith(QStringLiteral("qt_"));
    const bool layoutBox = objectName.isEmpty() && node->role() == QAccessible::Client;
    if (reached && !layoutBox && node->role() != QAccessible::Border) {
        if (name.isEmpty())
            faults << objectName + QStringLiteral(" has no name");
        else if (name == objectName)
            faults << objectName + QStringLiteral(" is called by its control name");
        else if (name.contains(u'\r'))
            faults << objectName + QStringLiteral(" has a carriage return in its name");
    }
    for (int i = 0; i < node->childCount(); ++i)
        inspect(node->child(i), depth + 1, reached, faults, tree);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(m_driver.finish(), QStringList()); }

    void namesAreWhatIsShown_data()
    {
        QTest::addColumn<int>("screen");
        for (const ScreenEntry &entry : screenCatalogue()) {
            if (entry.screen != Screen::dlgLogofuerexe) // never shown: it only carries the icon
                QTest::newRow(qPrintable(screenName(entry.screen))) << int(entry.screen);
        }
    }

    void namesAreWhatIsShown()
    {
        QFETCH(int, screen);
        const ScreenEntry &entry = screenEntry(Screen(screen));
        const QString name = screenName(entry.screen);
        m_driver.reset();
        QVERIFY2(reach(m_driver, entry), qPrintable(m_driver.visibleScreens().join(u", ")));
        Form *form = FormRegistry::instance().loaded(entry.screen);
        QVERIFY(form && form->isVisible());

        QStringList faults;
        QStringList tree;
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form);
        // A dialog window is a dialog to a screen reader, which then reads its message; a normal window a frame.
        QCOMPARE(window->role(), entry.window == WindowKind::Dialog ? QAccessible::Dialog : QAccessible::Window);
        inspect(window, 0, true, faults, tree);
        // A question screen's message begins with the topic and holds the question, heard before
        // the answer that has the focus; every other answer control carries the question too: the
        // longest text the screen shows is the question (or its longest part).
        if (entry.role == ScreenRole::Question) {
            QString question;
            for (const QLabel *label : form->findChildren<QLabel *>()) {
                if (label->isVisible() && label->text().simplified().size() > question.size())
                    question = label->text().simplified();
            }
            const QString message = window->text(QAccessible::Description);
            if (!message.startsWith(u"Thema:") || !message.contains(question))
                faults << QStringLiteral("the message does not begin with the topic and hold the question: ") + message;
            for (QWidget *answer : form->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(opt|txt)")))) {
                if (answer != form->initialFocus() && !answer->accessibleDescription().contains(question))
                    faults << answer->objectName() + QStringLiteral(" does not carry the question");
            }
        }
        if (const QString dir = qEnvironmentVariable("BQ_ACCESSIBLE_TREE_DIR"); !dir.isEmpty()) {
            QDir().mkpath(dir);
            QFile file(QDir(dir).filePath(name + QStringLiteral(".tree")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
            file.write((tree.join(u'\n') + u'\n').toUtf8());
            // Every screen's name and every control name on this one, for the screen reader test.
            QStringList names;
            for (const ScreenEntry &any : screenCatalogue())
                names << screenName(any.screen);
            for (const QObject *part : form->findChildren<QObject *>())
                names << part->objectName();
            QFile namesFile(QDir(dir).filePath(name + QStringLiteral(".names")));
            QVERIFY(namesFile.open(QIODevice::WriteOnly | QIODevice::Text));
            namesFile.write((names.join(u'\n') + u'\n').toUtf8());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
    }

private:
    test::GameDriver m_driver;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility.moc"
