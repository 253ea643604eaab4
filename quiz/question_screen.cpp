// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/question_screen.h"

#include "catalogue/pictures.h"
#include "catalogue/question_catalogue.h"
#include "platform/art.h"
#include "platform/faces.h"
#include "platform/graphical_button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
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

QuestionScreen::QuestionScreen(const QString &name, const QString &caption, const QuestionDef &def)
    : Form(name, caption, WindowKind::Normal), m_def(def)
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    buildLayout();
    if (m_def.idleTimerMs > 0) {
        auto *idle = new QTimer(this);
        idle->setObjectName(QStringLiteral("Timer1"));
        idle->setInterval(m_def.idleTimerMs);
        idle->start();
    }
}

void QuestionScreen::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 18, 18, 14);
    root->setSpacing(8);
    const int textWidth = 540;
    // The topic is made first, as a screen reader reads a screen's texts in the order they
    // were made: the topic, then the question. It is shown in the lower left corner.
    QLabel *topicHeading = makeLabel(utf8(m_def.topicHeading.name), utf8(m_def.topicHeading.text));
    QLabel *topicWord = makeLabel(utf8(m_def.topicLabel.name), utf8(m_def.topicLabel.text));

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
        // Called an answer, with the words that stand beside the box on the screen.
        const LabelDef &beside = m_def.beforeBox.name ? m_def.beforeBox : m_def.afterBox;
        box->setAccessibleName(beside.name ? QStringLiteral("Antwort: ") + utf8(beside.text)
                                           : QStringLiteral("Antwort"));
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
        showArt(banner, utf8(m_def.banner), QSize(m_def.bannerWidth, 40));
        describePicture(banner, utf8(m_def.banner));
        root->addWidget(banner, 0, Qt::AlignHCenter);
    }
    root->addSpacing(10);
    root->addStretch();

    auto *bottom = new QHBoxLayout;
    auto *topic = new QVBoxLayout;
    topic->setSpacing(2);
    topic->addStretch(); // the topic sits in the lower left corner
    topic->addWidget(topicHeading);
    topicWord->setFont(screenFont("MS Sans Serif", 9.75, FontStyle::Bold));
    topic->addWidget(topicWord);
    bottom->addLayout(topic);
    bottom->addStretch();

    struct ButtonDef {
        const char *name;
        const char *caption;
        const char *icon;
    };
    const ButtonDef buttons[] = {
        {m_def.giveUpButton, "aufgeben", "btn-giveup"},
        {m_def.okButton, "OK", "btn-ok"},
        {m_def.helpButton, m_def.helpCaption, "btn-help"},
    };
    for (const ButtonDef &def : buttons) {
        auto *button = new GraphicalButton(utf8(def.caption), artPath(utf8(def.icon)), this);
        button->setObjectName(utf8(def.name));
        button->setFixedSize(96, 64);
        bottom->addWidget(button);
        onClick(button);
    }
    root->addLayout(bottom);

    if (auto *box = m_def.answerBox ? control<QLineEdit>(utf8(m_def.answerBox)) : nullptr) {
        // Enter in the answer box hands the answer in, like OK.
        auto *okButton = control<GraphicalButton>(utf8(m_def.okButton));
        connect(box, &QLineEdit::returnPressed, okButton, &GraphicalButton::click);
    }
    if (firstAnswer)
        setInitialFocus(firstAnswer);
}

void QuestionScreen::showEvent(QShowEvent *event)
{
    // Each answer control carries the question for screen readers, read when the control
    // gets the focus; taken now, with the player's name in it where the screen has one. The
    // one that has the focus as the screen opens does not: the question is heard before it,
    // with the topic, as the screen's message.
    QStringList question;
    for (const LabelDef &def : m_def.question)
        question << control<QLabel>(utf8(def.name))->text();
    const QString description = question.join(u' ').simplified();
    QList<QWidget *> answers;
    for (QRadioButton *option : findChildren<QRadioButton *>())
        answers << option;
    if (m_def.answerBox)
        answers << control<QLineEdit>(utf8(m_def.answerBox));
    for (QWidget *answer : answers)
        answer->setAccessibleDescription(answer == initialFocus() ? QString() : description);
    Form::showEvent(event);
}

} // namespace bq
