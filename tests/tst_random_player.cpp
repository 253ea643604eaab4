// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random player. It plays whole games in-process, the way a careless, curious or
// malicious player would: it clicks any visible, enabled button or option on any visible
// screen (all screens take input at once), types or pastes any Unicode into any visible
// text box, presses keys, asks windows to close and lets the timers tick. Some games it
// plays to win, so that every screen up to the certificate is reached. After every action it
// checks what must always hold:
//   - at most one instance of any screen, and every live window is the screen's instance;
//   - no question screen is shown twice in one run of the program;
//   - the program ends only through "Ende" or because no screen is left on display, and
//     never goes on with nothing on display;
//   - the about screen, once shown, goes away only through "Ende";
//   - the journal agrees with the screens that are loaded and on display;
//   - name labels show exactly the player's name, and no window grows past the screen;
//   - Qt prints no warning beyond the short list below.
// When a game has ended, the next one starts as a fresh program would.
//
// Environment:
//   BQ_RANDOM_SEEDS    seeds to play: "1-8" (the default), "5", or "3,9,12-14"
//   BQ_RANDOM_ACTIONS  actions in all, shared evenly by the seeds (default 24000)
//   BQ_RANDOM_VERBOSE  1: print each game's summary as it ends
// A long run, 100,000 actions over 20 seeds (about 3 minutes):
//   BQ_RANDOM_SEEDS=101-120 BQ_RANDOM_ACTIONS=100000 build/tests/tst_random_player
// On failure the test prints the seed, the action number and every action of that seed;
// BQ_RANDOM_SEEDS=<seed> BQ_RANDOM_ACTIONS=<action number> replays it exactly.

#include "driver/game_driver.h"
#include "driver/winning_path.h"
#include "platform/form_registry.h"
#include "platform/journal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>

#include <unistd.h>

using bq::test::GameDriver;
using bq::test::screenNamed;

namespace {

// ---------------------------------------------------------------------------------------
// Qt warnings. Anything Qt warns about fails the run, except these lines.
const char *const kAllowedWarnings[] = {
    // The offscreen platform cannot pass size hints or stacking to a window manager it does
    // not have; every window with a layout and every show() says so.
    "This plugin does not support propagateSizeHints()",
    "This plugin does not support raise()",
    // Qt Test's own remark when a window ignores a key the game gives no meaning to (Escape
    // on a screen, or the release of a key whose press took the window away).
    "Keyboard event not accepted by receiving widget",
};

QStringList unexpectedWarnings;
QtMessageHandler previousHandler = nullptr;

void warningWatch(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt's font matching, when a player types a script that no installed font can shape
    // (Tamil, for one, on a bare Debian), names each font it tried. The text is kept whole and
    // shown as well as the fonts allow; there is nothing for the game to do about it.
    static const QRegularExpression missingScriptFont(
        QStringLiteral(R"(^  OpenType support missing for "[^"]*", script \d+$)"));
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        for (const char *allowed : kAllowedWarnings) {
            if (message == QLatin1String(allowed))
                return;
        }
        if (type == QtWarningMsg && missingScriptFont.match(message).hasMatch())
            return;
        unexpectedWarnings.append(QString::fromUtf8(context.category) + QStringLiteral(": ") + message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// ---------------------------------------------------------------------------------------
// A crash ends the test before it can report. What it must say is kept ready, as bytes,
// and a signal handler writes it out (write() is safe there) before Qt Test's own handler
// prints the stack.
QByteArray crashHead;
QByteArray crashGame;

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction previousCrashActions[std::size(kCrashSignals)];

void writeOut(const QByteArray &bytes)
{
    const ssize_t written = ::write(STDERR_FILENO, bytes.constData(), size_t(bytes.size()));
    Q_UNUSED(written);
}

void crashed(int signal)
{
    writeOut(crashHead);
    writeOut(crashGame);
    for (std::size_t i = 0; i < std::size(kCrashSignals); ++i) {
        if (kCrashSignals[i] == signal)
            ::sigaction(signal, &previousCrashActions[i], nullptr);
    }
    // A fault happens again on return and reaches Qt Test's handler; an abort is raised anew.
    if (signal == SIGABRT)
        ::raise(signal);
}

void watchForCrashes()
{
    struct sigaction action {};
    action.sa_handler = crashed;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kCrashSignals); ++i)
        ::sigaction(kCrashSignals[i], &action, &previousCrashActions[i]);
}

// ---------------------------------------------------------------------------------------
// Random choices that replay exactly from a seed.
class Dice {
public:
    explicit Dice(quint32 seed) : m_engine(seed) {}

    quint32 below(quint32 n) { return n ? quint32(m_engine() % n) : 0; }
    bool chance(double p) { return below(1000000) < quint32(p * 1000000); }
    template <class List>
    const auto &pick(const List &list)
    {
        return list.at(qsizetype(below(quint32(list.size()))));
    }

private:
    std::mt19937 m_engine;
};

// Pieces that have broken programs before: markup, access-key ampersands, format
// placeholders, emoji with modifiers and joiners, right-to-left text and its controls,
// combining marks, control characters, byte-order mark, noncharacters, German letters,
// and the game's own answers. (Lone surrogates are left out: no keyboard or clipboard
// on the desktop can deliver one.)
const QStringList &textPieces()
{
    // clang-format off
    static const QStringList pieces{
        u"<b>fett</b>"_qs, u"<img src=\"x.png\">"_qs, u"<a href=\"#\">Link</a>"_qs, u"</td></table>"_qs,
        u"&"_qs, u"&&"_qs, u"&amp;"_qs, u"&lt;b&gt;"_qs, u"Tom & Jerry"_qs, u"&drucken"_qs,
        u"%1"_qs, u"%n %s %d"_qs, u"\\"_qs, u"\""_qs, u"'"_qs, u"`"_qs,
        u"😀"_qs, u"👍🏽"_qs, u"👨‍👩‍👧‍👦"_qs, u"🇩🇪"_qs, u"🏳️‍🌈"_qs,
        u"שלום"_qs, u"مرحبا بك"_qs, u"\u202Eabc\u202C"_qs, u"\u200F"_qs, u"\u200E"_qs, u"\u200B"_qs,
        u"e\u0301"_qs, u"a\u0308\u0308\u0308\u0308"_qs, u"Z\u0336\u0337\u0338\u0334\u0335"_qs,
        u"\n"_qs, u"\r\n"_qs, u"\r"_qs, u"\t"_qs, u"\u0001"_qs, u"\u001b[31m"_qs, u"\u007f"_qs,
        u"\u2028"_qs, u"\u2029"_qs, u"\uFEFF"_qs, u"\uFFFF"_qs, u"\uFFFD"_qs, u"\U0010FFFF"_qs, u"\U000E0001"_qs,
        u"ﷺ"_qs, u"꧅"_qs, u"𒐫"_qs,
        u"Müller-Lüdenscheidt"_qs, u"Quellmärker"_qs, u"ß"_qs, u"ÄÖÜ"_qs, u" "_qs, u"   "_qs,
        u"Mainz"_qs, u"Konrad Elsholm"_qs, u"1946"_qs, u"Edenkoben"_qs, u"etwas"_qs, u"Wörth"_qs, QString(QChar(0))};
    // clang-format on
    return pieces;
}

QString randomCodePoint(Dice &dice)
{
    static const char32_t ranges[][2] = {
        {0x20, 0x7E},     {0xA0, 0xFF},       {0x0300, 0x036F},    {0x0370, 0x03FF}, {0x0400, 0x04FF},
        {0x0590, 0x05FF}, {0x0600, 0x06FF},   {0x0E00, 0x0E7F},    {0x2000, 0x206F}, {0x4E00, 0x9FFF},
        {0xE000, 0xF8FF}, {0x1F300, 0x1FAFF}, {0x10000, 0x10FFFF}, {0x0, 0x1F},
    };
    const auto &range = ranges[dice.below(std::size(ranges))];
    char32_t code = range[0] + dice.below(quint32(range[1] - range[0] + 1));
    if (code >= 0xD800 && code <= 0xDFFF)
        code = u'?';
    return QString::fromUcs4(&code, 1);
}

// Cuts a text to at most n UTF-16 units without splitting a surrogate pair.
QString cutTo(QString text, qsizetype n)
{
    if (text.size() <= n)
        return text;
    text.truncate(n);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

QString randomText(Dice &dice)
{
    const quint32 kind = dice.below(100);
    QString text;
    if (kind < 10) {
        // 10,000 characters: one piece over and over, or a jumble.
        const QString piece = dice.chance(0.5) ? dice.pick(textPieces()) : randomCodePoint(dice);
        while (text.size() < 10000)
            text += dice.chance(0.9) ? piece : dice.pick(textPieces());
        return cutTo(text, 10000);
    }
    const quint32 parts = kind < 70 ? 1 + dice.below(4) : 5 + dice.below(60);
    for (quint32 i = 0; i < parts; ++i)
        text += dice.chance(0.6) ? dice.pick(textPieces()) : randomCodePoint(dice);
    return text;
}

// Names a player might give, from the dull to the hostile.
const QStringList &playerNames()
{
    // clang-format off
    static const QStringList names{
        u""_qs, u"   "_qs, u"Anna Schmitt"_qs, u" Anna Schmitt "_qs, u"<b>Anna</b>"_qs, u"Tom & Jerry"_qs, u"&Anna"_qs,
        u"😀 Smiley"_qs, u"שלום עליכם"_qs, u"Zoë Ångström-Øre"_qs, u"Anna\nSchmitt"_qs, u"%1 %2"_qs,
        QString(10000, u'W'), QStringLiteral("Anna ").repeated(2000)};
    // clang-format on
    return names;
}

QString shortForm(const QString &text)
{
    QString shown;
    for (const QChar ch : text.left(40)) {
        if (ch.isPrint() && !ch.isSurrogate())
            shown += ch;
        else
            shown += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > 40)
        shown += QStringLiteral("…(%1 chars)").arg(text.size());
    return u'"' + shown + u'"';
}

const QString kAbout = QStringLiteral("frmAbout");
const QString kNameDialog = QStringLiteral("DlgNamen_angeben");

// What has happened so far in one run of the game, read from the journal.
struct RunModel {
    QSet<QString> loaded;
    QSet<QString> visible;
    QHash<QString, int> questionShows;
    bool ended = false;
    qsizetype journalRead = 0;
};

struct Totals {
    qint64 actions = 0;
    int games = 0;
    int endedByEnde = 0;
    int endedEmpty = 0;
    int abandoned = 0;
    int certificates = 0;
    QSet<QString> screensSeen;
};

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT

private:
    GameDriver driver;
    Totals totals;

    // One seed's play.
    std::unique_ptr<Dice> dice;
    quint32 seed = 0;
    qint64 actionNumber = 0;
    QStringList actions;
    RunModel run;
    double skill = 0;
    int gameActions = 0;
    bool endePressed = false;
    QPointer<QAbstractButton> hookedEnde;
    QString failure;

    void startGame()
    {
        driver.reset();
        run = RunModel{};
        driver.startGame();
        static const double skills[] = {0.0, 0.3, 0.6, 0.85, 0.97};
        skill = skills[dice->below(std::size(skills))];
        gameActions = 0;
        actions.append(QStringLiteral("--- new game, skill %1").arg(skill));
        crashGame = "actions of this game:\n";
    }

    void hookEnde()
    {
        bq::Form *about = bq::FormRegistry::instance().loaded(screenNamed(kAbout));
        auto *ende = about ? about->control<QAbstractButton>(QStringLiteral("cmdExit")) : nullptr;
        if (ende && ende != hookedEnde) {
            hookedEnde = ende;
            connect(ende, &QAbstractButton::clicked, this, [this] { endePressed = true; });
        }
    }

    // ---- actions ------------------------------------------------------------------------
    // Each action is chosen first and written down, then carried out, so that a crash in
    // the middle of one still names it.

    struct Action {
        enum Kind { Click, Type, Paste, Key, Close, Tick, Wait, ProcessEvents, Look };
        Kind kind = Look;
        QString screen{};
        QString control{};
        QString text{};
        bool replace = false; // a paste over all of the box's text
        int key = 0;
        Qt::KeyboardModifiers modifiers{};
        const char *keyName = "";
        int count = 0; // ticks, or milliseconds to wait

        QString describe() const
        {
            switch (kind) {
            case Click:
                return QStringLiteral("click %1.%2").arg(screen, control);
            case Type:
                return QStringLiteral("type %1.%2 %3").arg(screen, control, shortForm(text));
            case Paste:
                return QStringLiteral("paste%1 %2.%3 %4")
                    .arg(replace ? QStringLiteral(" over") : QString(), screen, control, shortForm(text));
            case Key:
                return QStringLiteral("key %1 %2").arg(screen, QLatin1String(keyName));
            case Close:
                return QStringLiteral("close %1").arg(screen);
            case Tick:
                return QStringLiteral("tick %1.%2 x%3").arg(screen, control).arg(count);
            case Wait:
                return QStringLiteral("wait %1 ms").arg(count);
            case ProcessEvents:
                return QStringLiteral("process events");
            case Look:
                return screen.isEmpty() ? QStringLiteral("nothing to do") : QStringLiteral("look at %1").arg(screen);
            }
            return {};
        }
    };

    static Action click(const QString &screen, const QString &control)
    {
        return {.kind = Action::Click, .screen = screen, .control = control};
    }

    static Action paste(const QString &screen, const QString &control, const QString &text, bool replace)
    {
        return {.kind = Action::Paste, .screen = screen, .control = control, .text = text, .replace = replace};
    }

    Action typing(const QString &screen, const QString &box, const QString &text)
    {
        // Short texts are typed key by key, long ones and some short ones pasted. Boxes that
        // take no input only ever get keys.
        const auto *edit = bq::FormRegistry::instance().loaded(screenNamed(screen))->control<QLineEdit>(box);
        const bool takesPaste = edit && !edit->isReadOnly();
        if (takesPaste && (text.size() > 60 || dice->chance(0.3)))
            return paste(screen, box, text, dice->chance(0.5));
        return {.kind = Action::Type, .screen = screen, .control = box, .text = cutTo(text, 60)};
    }

    Action randomKey(const QString &screen)
    {
        struct Key {
            int key;
            Qt::KeyboardModifiers modifiers;
            const char *name;
        };
        // clang-format off
        static const Key keys[] = {
            {Qt::Key_Return, Qt::NoModifier, "Return"}, {Qt::Key_Enter, Qt::NoModifier, "Enter"},
            {Qt::Key_Escape, Qt::NoModifier, "Escape"}, {Qt::Key_Tab, Qt::NoModifier, "Tab"},
            {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"}, {Qt::Key_Space, Qt::NoModifier, "Space"},
            {Qt::Key_Up, Qt::NoModifier, "Up"}, {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Left, Qt::NoModifier, "Left"}, {Qt::Key_Right, Qt::NoModifier, "Right"},
            {Qt::Key_Backspace, Qt::NoModifier, "Backspace"}, {Qt::Key_Delete, Qt::NoModifier, "Delete"},
            {Qt::Key_D, Qt::AltModifier, "Alt+D"}, {Qt::Key_P, Qt::AltModifier, "Alt+P"},
            {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"}, {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
            {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"}, {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
            {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"}};
        // clang-format on
        // The keys that move the game on come up more often than the rest.
        const Key &key = dice->chance(0.6) ? keys[dice->below(6)] : keys[dice->below(std::size(keys))];
        return {.kind = Action::Key, .screen = screen, .key = key.key, .modifiers = key.modifiers, .keyName = key.name};
    }

    // The next step of a player who wants to win, on one visible screen, if there is one.
    std::optional<Action> guidedMove(const QStringList &visible)
    {
        QStringList candidates;
        for (const QString &screen : visible) {
            if (screen == kAbout && visible.size() > 1 && !dice->chance(0.05))
                continue; // the about screen would end the game early
            if (screen == u"Brendelquiz" && (visible.contains(kNameDialog) || visible.contains(u"DlgNamen_anzeigen")))
                continue;
            candidates.append(screen);
        }
        if (candidates.isEmpty())
            return std::nullopt;
        const QString screen = dice->pick(candidates);
        if (const int question = bq::test::questionOn(screen)) {
            // Any of the accepted spellings will do, one drawn at random.
            const bq::test::QuestionMoves &moves = bq::test::questionMoves(question);
            bq::Form *form = bq::FormRegistry::instance().loaded(screenNamed(screen));
            if (!moves.accepted.isEmpty()) {
                const QString typed = form->control<QLineEdit>(moves.answerBox)->text();
                if (!moves.accepted.contains(typed)) {
                    const QString &spelling = moves.accepted.at(dice->below(quint32(moves.accepted.size())));
                    return paste(screen, moves.answerBox, spelling, true);
                }
            } else if (!form->control<QRadioButton>(moves.correctOption)->isChecked()) {
                return click(screen, moves.correctOption);
            }
            return click(screen, moves.okButton);
        }
        if (screen == kNameDialog) {
            auto *box = bq::FormRegistry::instance()
                            .loaded(screenNamed(screen))
                            ->control<QLineEdit>(QStringLiteral("txt_Name"));
            if (box->text().isEmpty() && dice->chance(0.8))
                return paste(screen, QStringLiteral("txt_Name"), dice->pick(playerNames()), true);
            return click(screen, QStringLiteral("OKButton"));
        }
        if (screen == u"Brendelquiz")
            return click(screen, QStringLiteral("cdmlos_gehts"));
        if (screen == u"frmGlückwunsch")
            return click(screen, dice->chance(0.5) ? u"Druck"_qs : u"cmdende"_qs);
        if (screen == kAbout)
            return click(screen, QStringLiteral("cmdExit"));
        if (screen == u"frmwieso")
            return click(screen, QStringLiteral("cmdok"));
        if (screen == u"dlgbeenden")
            return click(screen, dice->chance(0.5) ? u"OKButton"_qs : u"CancelButton"_qs);
        return click(screen, QStringLiteral("OKButton"));
    }

    Action chooseAction()
    {
        const QStringList visible = driver.visibleScreens();
        if (!visible.isEmpty() && dice->chance(skill)) {
            if (std::optional<Action> move = guidedMove(visible))
                return *move;
        }
        const quint32 roll = dice->below(100);
        if (roll < 4)
            return {.kind = Action::ProcessEvents};
        if (roll < 6)
            return {.kind = Action::Wait, .count = int(dice->below(25))};
        if (roll < 16) {
            QStringList timers;
            for (const QString &screen : driver.loadedScreens()) {
                for (const QString &timer : driver.runningTimers(screen))
                    timers.append(screen + u'.' + timer);
            }
            if (!timers.isEmpty()) {
                const QString which = dice->pick(timers);
                return {.kind = Action::Tick,
                        .screen = which.section(u'.', 0, 0),
                        .control = which.section(u'.', 1),
                        .count = 1 + int(dice->below(5))};
            }
        }
        if (visible.isEmpty())
            return {};
        const QString screen = dice->pick(visible);
        if (roll < 21)
            return {.kind = Action::Close, .screen = screen};
        if (roll < 40)
            return randomKey(screen);
        if (roll < 58) {
            const QStringList boxes = driver.textBoxes(screen);
            if (!boxes.isEmpty())
                return typing(screen, dice->pick(boxes), randomText(*dice));
        }
        const QStringList controls = driver.clickableControls(screen);
        if (controls.isEmpty())
            return {.screen = screen};
        return click(screen, dice->pick(controls));
    }

    // A player's input reaches the game through the running event loop. Qt Test hands it
    // over directly instead, with no loop running; Qt then takes a screen unloaded by a
    // handler for deletable inside the next message box's loop, while the control that
    // started the handler is still at work (Enter in question 8's box with a remark
    // answer crashed that way). Each action therefore runs from inside an event loop.
    void perform(const Action &action)
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            performNow(action);
            loop.quit();
        });
        loop.exec();
    }

    void performNow(const Action &action)
    {
        switch (action.kind) {
        case Action::Click:
            return void(driver.click(action.screen, action.control));
        case Action::Type:
            return void(driver.type(action.screen, action.control, action.text));
        case Action::Paste:
            return void(driver.paste(action.screen, action.control, action.text, action.replace));
        case Action::Key:
            return void(driver.pressKey(action.screen, action.key, action.modifiers));
        case Action::Close:
            return void(driver.closeWindow(action.screen));
        case Action::Tick:
            for (int i = 0; i < action.count; ++i)
                driver.tick(action.screen, action.control);
            return;
        case Action::Wait:
            return QTest::qWait(action.count);
        case Action::ProcessEvents:
            return QCoreApplication::processEvents();
        case Action::Look:
            return;
        }
    }

    // ---- checks -------------------------------------------------------------------------

    bool fail(const QString &why)
    {
        if (failure.isEmpty())
            failure = why;
        return false;
    }

    bool readJournal()
    {
        const bq::Journal &journal = bq::Journal::instance();
        if (run.journalRead < journal.start())
            return fail(QStringLiteral("the journal lost entries"));
        for (const bq::JournalEntry &entry : journal.since(run.journalRead)) {
            const QString &name = entry.target;
            if (run.ended)
                return fail(QStringLiteral("the game went on after its end: %1").arg(entry.line()));
            if (entry.op == u"load") {
                if (run.loaded.contains(name))
                    return fail(QStringLiteral("%1 loaded a second time while loaded").arg(name));
                run.loaded.insert(name);
            } else if (entry.op == u"show") {
                if (!run.loaded.contains(name))
                    return fail(QStringLiteral("%1 shown without being loaded").arg(name));
                run.visible.insert(name);
                totals.screensSeen.insert(name);
                if (bq::test::questionOn(name) > 0 && ++run.questionShows[name] > 1)
                    return fail(QStringLiteral("%1 shown twice in one run").arg(name));
            } else if (entry.op == u"hide" || entry.op == u"unload" || entry.op == u"close") {
                if (name == kAbout)
                    return fail(QStringLiteral("the about screen went away without \"Ende\": %1").arg(entry.line()));
                run.visible.remove(name);
                if (entry.op != u"hide")
                    run.loaded.remove(name);
            } else if (entry.op == u"set") {
                if (!run.loaded.contains(name.section(u'.', 0, 0)))
                    return fail(QStringLiteral("%1 written while its screen is not loaded").arg(name));
            } else if (entry.op == u"end") {
                if (!endePressed && !run.visible.isEmpty())
                    return fail(QStringLiteral("the program ended with %1 on display and without \"Ende\"")
                                    .arg(QStringList(run.visible.values()).join(u", ")));
                if (endePressed)
                    ++totals.endedByEnde;
                else
                    ++totals.endedEmpty;
                run.ended = true;
                run.loaded.clear();
                run.visible.clear();
            }
        }
        run.journalRead = journal.end();
        return true;
    }

    static QStringList sorted(const QSet<QString> &set)
    {
        QStringList list(set.begin(), set.end());
        list.sort();
        return list;
    }

    bool checkInvariants(bool aboutWasVisible)
    {
        if (!unexpectedWarnings.isEmpty())
            return fail(QStringLiteral("Qt warned: ") + unexpectedWarnings.join(u" | "));
        if (QApplication::activeModalWidget())
            return fail(QStringLiteral("a modal box is still open after the action"));
        if (!readJournal())
            return false;
        bq::FormRegistry &forms = bq::FormRegistry::instance();
        if (forms.hasEnded() != run.ended)
            return fail(QStringLiteral("the runtime and the journal disagree about the end"));
        if (aboutWasVisible && !run.ended && !forms.isVisible(screenNamed(kAbout)))
            return fail(QStringLiteral("the about screen is no longer on display"));
        if (run.ended && aboutWasVisible && !endePressed)
            return fail(QStringLiteral("the game ended under the about screen without \"Ende\""));

        // The windows themselves: one per screen, each the screen's instance.
        QHash<QString, int> instances;
        QStringList shown;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<bq::Form *>(widget);
            if (!form) {
                if (widget->isVisible())
                    return fail(QStringLiteral("a window that is no screen is on display: %1 %2")
                                    .arg(QLatin1String(widget->metaObject()->className()), widget->objectName()));
                continue;
            }
            if (++instances[form->name()] > 1)
                return fail(QStringLiteral("two instances of %1").arg(form->name()));
            if (forms.loaded(form->id()) != form)
                return fail(QStringLiteral("a window of %1 outlives its screen").arg(form->name()));
            if (form->isVisible())
                shown.append(form->name());
        }
        shown.sort();
        if (run.ended) {
            if (!shown.isEmpty())
                return fail(QStringLiteral("windows left after the end: ") + shown.join(u", "));
            return true;
        }
        if (shown.isEmpty())
            return fail(QStringLiteral("no screen on display, yet the program goes on"));
        if (shown != sorted(run.visible))
            return fail(QStringLiteral("on display: %1; the journal says: %2")
                            .arg(shown.join(u", "), sorted(run.visible).join(u", ")));
        if (forms.loadedNames() != sorted(run.loaded))
            return fail(QStringLiteral("loaded: %1; the journal says: %2")
                            .arg(forms.loadedNames().join(u", "), sorted(run.loaded).join(u", ")));

        // Whatever was typed, no window grows past a desktop screen.
        if (const QStringList grown = driver.oversizedWindows(); !grown.isEmpty())
            return fail(QStringLiteral("grown past the screen: ") + grown.join(u", "));

        // Once the game is on, every name label holds the name exactly as typed.
        const bq::Form *nameDialog = forms.loaded(screenNamed(kNameDialog));
        const QString name =
            nameDialog ? nameDialog->control<QLineEdit>(QStringLiteral("txt_Name"))->text() : QString();
        for (const bq::test::NameLabel &label : bq::test::kNameLabels) {
            const QString screen = QString::fromUtf8(label.screen);
            if (!forms.isVisible(screenNamed(screen)))
                continue;
            const QString shownName = driver.text(screen, QString::fromUtf8(label.label));
            if (shownName != name)
                return fail(QStringLiteral("%1.%2 shows %3, the name is %4")
                                .arg(screen, QString::fromUtf8(label.label), shortForm(shownName), shortForm(name)));
        }
        return true;
    }

    void reportFailure()
    {
        std::fprintf(stderr,
                     "\nRandom player: %s\nseed %u, action %lld of this seed\n"
                     "replay: BQ_RANDOM_SEEDS=%u BQ_RANDOM_ACTIONS=%lld tests/tst_random_player\n"
                     "actions of this seed:\n",
                     qPrintable(failure), seed, actionNumber, seed, actionNumber);
        qint64 n = 0;
        for (const QString &action : std::as_const(actions)) {
            if (action.startsWith(u"---"))
                std::fprintf(stderr, "  %s\n", qPrintable(action));
            else
                std::fprintf(stderr, "  %6lld %s\n", ++n, qPrintable(action));
        }
        std::fflush(stderr);
    }

    static QList<quint32> seedsFromEnvironment()
    {
        const QString spec = qEnvironmentVariable("BQ_RANDOM_SEEDS", QStringLiteral("1-8"));
        QList<quint32> seeds;
        for (const QString &part : spec.split(u',', Qt::SkipEmptyParts)) {
            const QStringList bounds = part.trimmed().split(u'-');
            const quint32 first = bounds.first().toUInt();
            const quint32 last = bounds.size() > 1 ? bounds.last().toUInt() : first;
            for (quint32 s = first; s <= last && seeds.size() < 100000; ++s)
                seeds.append(s);
        }
        return seeds;
    }

private Q_SLOTS:
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(warningWatch);
        watchForCrashes();
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(previousHandler);
        std::printf("Random player: %lld actions, %d games (%d ended by \"Ende\", %d with nothing on display, "
                    "%d left unfinished), %d certificates reached, %lld of 56 screens shown\n",
                    totals.actions, totals.games, totals.endedByEnde, totals.endedEmpty, totals.abandoned,
                    totals.certificates, qint64(totals.screensSeen.size()));
        // A run as long as the usual one gets everywhere: to the certificate, and to every
        // screen but the logo dialog, which no handler shows.
        if (totals.actions >= 24000) {
            QVERIFY(totals.certificates > 0);
            QCOMPARE(totals.screensSeen.size(), qsizetype(55));
            QVERIFY(!totals.screensSeen.contains(QStringLiteral("dlgLogofuerexe")));
        }
    }

    void init() { driver.reset(); }
    void cleanup() { QCOMPARE(driver.finish(), QStringList()); }

    void playWholeGames_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<qint64>("count");
        const QList<quint32> seeds = seedsFromEnvironment();
        const qint64 total = qEnvironmentVariableIntValue("BQ_RANDOM_ACTIONS") > 0
            ? qEnvironmentVariableIntValue("BQ_RANDOM_ACTIONS")
            : 24000;
        for (quint32 s : seeds)
            QTest::addRow("seed %u", s) << s << qMax<qint64>(1, total / qMax<qsizetype>(1, seeds.size()));
    }

    void playWholeGames()
    {
        QFETCH(quint32, seed);
        QFETCH(qint64, count);
        this->seed = seed;
        dice = std::make_unique<Dice>(seed);
        actions.clear();
        failure.clear();
        unexpectedWarnings.clear();
        const bool verbose = qEnvironmentVariableIntValue("BQ_RANDOM_VERBOSE") > 0;
        constexpr int kActionsPerGame = 300; // then the player walks away and starts afresh
        QElapsedTimer clock;
        clock.start();

        startGame();
        for (actionNumber = 1; actionNumber <= count; ++actionNumber) {
            hookEnde();
            endePressed = false;
            const bool aboutWasVisible = bq::FormRegistry::instance().isVisible(screenNamed(kAbout));
            const Action action = chooseAction();
            const QString described = action.describe();
            actions.append(described);
            crashHead = QStringLiteral("\nRandom player crashed: seed %1, action %2 of this seed\n"
                                       "replay: BQ_RANDOM_SEEDS=%1 BQ_RANDOM_ACTIONS=%2 tests/tst_random_player\n")
                            .arg(seed)
                            .arg(actionNumber)
                            .toUtf8();
            crashGame += QStringLiteral("  %1 %2\n").arg(actionNumber, 6).arg(described).toUtf8();
            perform(action);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ++totals.actions;
            ++gameActions;
            if (!checkInvariants(aboutWasVisible)) {
                reportFailure();
                QFAIL(qPrintable(failure));
            }
            const bool over = run.ended || gameActions >= kActionsPerGame;
            if (over) {
                ++totals.games;
                if (!run.ended)
                    ++totals.abandoned;
                bool certificate = false;
                for (const bq::JournalEntry &entry : bq::Journal::instance().entries())
                    certificate = certificate || (entry.op == u"show" && entry.target == u"frmGlückwunsch");
                totals.certificates += certificate;
                if (verbose)
                    std::printf("seed %u game of %d actions: %s%s\n", seed, gameActions,
                                run.ended ? (endePressed ? "ended by Ende" : "ended, nothing on display") : "abandoned",
                                certificate ? ", certificate reached" : "");
                startGame();
            }
        }
        if (gameActions > 0) {
            ++totals.games; // cut short by the end of the seed's actions
            ++totals.abandoned;
        }
        qInfo("seed %u: %lld actions in %lld ms", seed, count, clock.elapsed());
    }
};

// The game must never reach the machine's printers, sound or the player's files from a
// test: printing goes to a print system that is not there (the certificate is then kept as
// a PDF in a private home), and the sound backend is the driver's recorder.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
    qputenv("CUPS_SERVER", QFile::encodeName(home.filePath(QStringLiteral("no-cups.sock"))));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(home.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QDir(home.path()).mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));
    }
    QApplication app(argc, argv);
    RandomPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_player.moc"
