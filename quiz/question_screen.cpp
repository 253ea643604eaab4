#include "quiz/question_screen.h"

#include "platform/art.h"
#include "platform/forms.h"
#include "platform/graphical_button.h"
#include "platform/messagebox.h"
#include "quiz/name_dialogs.h"
#include "quiz/question_catalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace bq {
namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// A name label never makes its screen taller than three lines of the name: a name pasted
// with hundreds of line breaks would otherwise push the window far past the screen.
void keepNameOnScreen(QLabel *label)
{
    label->setMaximumHeight(label->fontMetrics().lineSpacing() * 3);
}

} // namespace

QuestionScreen::QuestionScreen(const QString &name, const QString &caption, int question)
    : Form(name, caption, WindowKind::Normal), m_def(questionDef(question))
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    buildLayout();
    if (question == 16) {
        // The last question carries a timer that nothing listens to: waiting changes nothing.
        auto *idle = new QTimer(this);
        idle->setObjectName(QStringLiteral("Timer1"));
        idle->setInterval(1500);
        idle->start();
    }
}

void QuestionScreen::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 18, 18, 14);
    root->setSpacing(8);
    const int textWidth = 540;

    if (!m_def.greeting.empty()) {
        // The name label takes the free room, so a comma after it keeps its place.
        auto *row = new QHBoxLayout;
        for (const LabelDef &def : m_def.greeting) {
            QLabel *label = makeLabel(utf8(def.name), utf8(def.text));
            const bool holdsName = *def.text == '\0';
            if (holdsName) {
                label->setFont(screenFont("Arial", 12, FontStyle::Bold));
                label->setMinimumWidth(120);
                label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
                keepNameOnScreen(label);
            }
            row->addWidget(label, holdsName ? 1 : 0);
        }
        root->addLayout(row);
    }
    for (const LabelDef &def : m_def.question) {
        QLabel *label = makeLabel(utf8(def.name), utf8(def.text));
        label->setWordWrap(true);
        label->setFixedWidth(textWidth);
        if (*def.text == '\0') {
            label->setFont(screenFont("Arial", 12, FontStyle::Bold));
            label->setWordWrap(false);
            keepNameOnScreen(label);
        } else {
            label->setFont(screenFont("MS Sans Serif", 9.75, FontStyle::Bold));
        }
        root->addWidget(label);
    }

    QWidget *firstAnswer = nullptr;
    for (std::size_t i = 0; i < m_def.options.size(); ++i) {
        QRadioButton *option = makeOption(QStringLiteral("optAntwort%1").arg(i + 1), utf8(m_def.options[i]));
        option->setAccessibleName(option->text().trimmed());
        root->addWidget(option);
        if (!firstAnswer)
            firstAnswer = option;
    }
    if (m_def.answerBox) {
        auto *row = new QHBoxLayout;
        if (m_def.beforeBox.name)
            row->addWidget(makeLabel(utf8(m_def.beforeBox.name), utf8(m_def.beforeBox.text)));
        QLineEdit *box = makeTextBox(utf8(m_def.answerBox));
        box->setAccessibleName(QStringLiteral("Antwort"));
        const bool narrow = !m_def.options.empty(); // room for a year only
        if (narrow)
            box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        else
            box->setMinimumWidth(300);
        row->addWidget(box, narrow ? 0 : 1);
        if (m_def.afterBox.name) {
            QLabel *after = makeLabel(utf8(m_def.afterBox.name), utf8(m_def.afterBox.text));
            after->setWordWrap(true);
            row->addWidget(after, 1);
        }
        if (!narrow)
            row->addStretch();
        root->addLayout(row);
        // The typed answer is what counts: it has the focus when the screen opens.
        if (m_def.options.empty())
            firstAnswer = box;
    }
    if (m_def.banner) {
        QLabel *banner = makeLabel(QStringLiteral("Picture1"), {});
        // The football banner is two pixels narrower than the others.
        const int width = qstrcmp(m_def.banner, "banner-football") == 0 ? 398 : 400;
        showArt(banner, utf8(m_def.banner), QSize(width, 40));
        root->addWidget(banner, 0, Qt::AlignHCenter);
    }
    root->addSpacing(10);
    root->addStretch();

    auto *bottom = new QHBoxLayout;
    auto *topic = new QVBoxLayout;
    topic->setSpacing(2);
    topic->addStretch(); // the topic sits in the lower left corner
    topic->addWidget(makeLabel(utf8(m_def.themaLabel.name), utf8(m_def.themaLabel.text)));
    QLabel *topicWord = makeLabel(utf8(m_def.topicLabel.name), utf8(m_def.topicLabel.text));
    topicWord->setFont(screenFont("MS Sans Serif", 9.75, FontStyle::Bold));
    topic->addWidget(topicWord);
    bottom->addLayout(topic);
    bottom->addStretch();

    struct ButtonDef {
        const char *name;
        const char *caption;
        const char *icon;
        void (QuestionScreen::*handler)();
    };
    const ButtonDef buttons[] = {
        {m_def.giveUpButton, "aufgeben", "btn-giveup", &QuestionScreen::giveUp},
        {m_def.okButton, "OK", "btn-ok", &QuestionScreen::judge},
        {m_def.helpButton, m_def.helpCaption, "btn-help", &QuestionScreen::showHelp},
    };
    QWidget *okButton = nullptr;
    for (const ButtonDef &def : buttons) {
        auto *button = new GraphicalButton(utf8(def.caption), artPath(utf8(def.icon)), this);
        button->setObjectName(utf8(def.name));
        button->setFixedSize(96, 64);
        bottom->addWidget(button);
        onClick(button, [this, handler = def.handler] { (this->*handler)(); });
        if (def.handler == &QuestionScreen::judge)
            okButton = button;
    }
    root->addLayout(bottom);

    if (auto *box = m_def.answerBox ? control<QLineEdit>(utf8(m_def.answerBox)) : nullptr) {
        // Enter in the answer box hands the answer in, like OK.
        connect(box, &QLineEdit::returnPressed, okButton, [okButton] {
            static_cast<GraphicalButton *>(okButton)->click();
        });
    }
    if (firstAnswer)
        setInitialFocus(firstAnswer);
}

void QuestionScreen::showHelp()
{
    messageBox(utf8(m_def.help.prompt), m_def.help.style, utf8(m_def.help.title));
}

void QuestionScreen::giveUp()
{
    Forms &forms = Forms::instance();
    forms.unload(name());
    if (m_def.giveUpSound)
        playSound(utf8(m_def.giveUpSound));
    forms.show(QStringLiteral("frmAbout"));
}

void QuestionScreen::judge()
{
    AnswerMatch match;
    if (m_def.answerBox && !m_def.accepted.empty()) {
        // The box is read once; every comparison uses that one value.
        const QString typed = control<QLineEdit>(utf8(m_def.answerBox))->text();
        match = matchAnswer(typed, m_def.accepted);
    } else {
        // Only the correct option is read: any other choice, or none, is wrong.
        match.right = control<QRadioButton>(QStringLiteral("optAntwort%1").arg(m_def.correctOption))->isChecked();
    }
    if (match.right) {
        carryOut(m_def.right, utf8(m_def.right.sound), match);
        return;
    }
    QString sound = utf8(m_def.wrong.sound);
    if (m_def.wrongSoundWithFirstOption && control<QRadioButton>(QStringLiteral("optAntwort1"))->isChecked())
        sound = utf8(m_def.wrongSoundWithFirstOption);
    carryOut(m_def.wrong, sound, match);
}

void QuestionScreen::carryOut(const OutcomeDef &outcome, const QString &sound, const AnswerMatch &match)
{
    // Copies: the screen may be unloaded part-way through.
    const QString self = name();
    const QString target = utf8(outcome.target);
    const char *steps = (!match.remark.isEmpty() && outcome.stepsWithRemark) ? outcome.stepsWithRemark
                                                                             : outcome.steps;
    Forms &forms = Forms::instance();
    for (const char *step = steps; *step; ++step) {
        switch (*step) {
        case 'S':
            playSound(sound);
            break;
        case 'V':
            forms.show(target);
            break;
        case 'U':
            forms.unload(self);
            break;
        case 'R':
            if (!match.remark.isEmpty())
                messageBox(match.remark, BoxStyle::Exclamation, QStringLiteral("Nur zur Info!"));
            break;
        case 'N':
            copyPlayerName(target, QStringLiteral("lblName"));
            break;
        default:
            Q_UNREACHABLE();
        }
    }
}

} // namespace bq
