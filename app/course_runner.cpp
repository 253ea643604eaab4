// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out the rows of the course table.
#include "app/course.h"

#include "platform/sound.h"
#include "quiz/judging.h"
#include "quiz/name_dialogs.h"
#include "quiz/question_screen.h"

namespace bq::course {
namespace {

bool sameControl(const char *rowControl, const QString &control)
{
    return rowControl && control == QString::fromUtf8(rowControl);
}

const Row *findRow(Screen screen, Event::Kind kind, const QString &control = {})
{
    for (const Row &row : rows()) {
        if (row.screen == screen && row.event.kind == kind
            && (!row.event.control || sameControl(row.event.control, control)))
            return &row;
    }
    return nullptr;
}

// Runs the steps of one handler: knows the screen it belongs to.
class StepRunner {
public:
    StepRunner(Form &form, Screen screen) : m_form(form), m_screen(screen) {}

    // Whether the handler goes on after them.
    bool steps(const std::vector<Step> &steps)
    {
        for (const Step &step : steps) {
            if (!std::visit(*this, step))
                return false;
        }
        return true;
    }

    // Each step returns whether the handler goes on.
    bool operator()(const Show &step)
    {
        forms().show(target(step.screen));
        return true;
    }
    bool operator()(const Hide &step)
    {
        if (step.only != IfVisible || forms().isVisible(target(step.screen)))
            forms().hide(target(step.screen));
        return true;
    }
    bool operator()(const Unload &step)
    {
        if (step.only != IfLoaded || forms().isLoaded(target(step.screen)))
            forms().unload(target(step.screen));
        return true;
    }
    bool operator()(const End &)
    {
        forms().end();
        return true;
    }
    bool operator()(const Play &step)
    {
        Sound::instance().play(QString::fromUtf8(step.sound));
        return true;
    }
    bool operator()(const Box &step)
    {
        messageBox(QString::fromUtf8(step.prompt), step.style, QString::fromUtf8(step.title));
        return true;
    }
    bool operator()(const CopyName &step)
    {
        copyPlayerName(target(step.screen), QString::fromUtf8(step.label));
        return true;
    }
    bool operator()(const Judge &)
    {
        const auto *question = qobject_cast<const QuestionScreen *>(&m_form);
        if (!question)
            return false;
        if (const Row *row = findRow(m_screen, isAnswerRight(*question) ? Event::Kind::Right : Event::Kind::Wrong))
            steps(row->steps);
        return false;
    }
    bool operator()(const Toggle &step)
    {
        if (QWidget *control = m_form.control(QString::fromUtf8(step.control)))
            control->setVisible(control->isHidden());
        return true;
    }
    bool operator()(const CopyText &step)
    {
        const QString from = QString::fromUtf8(step.from);
        const QString to = QString::fromUtf8(step.to);
        if (m_form.control(from) && m_form.control(to))
            m_form.setControlText(to, m_form.controlText(from));
        return true;
    }
    bool operator()(const Call &step) { return step.run(m_form); }
    bool operator()(const Try &step) { return step.run(m_form); }
    bool operator()(const When &step)
    {
        // The steps after the branch are those of the row again.
        return steps(step.test(m_form) ? step.then : step.otherwise);
    }

private:
    static FormRegistry &forms() { return FormRegistry::instance(); }
    // The screen a step names, Self being the handler's own.
    Screen target(Screen screen) const { return screen == Self ? m_screen : screen; }

    Form &m_form;
    Screen m_screen;
};

Event::Kind kindOf(FormEvent event)
{
    switch (event) {
    case FormEvent::Click:
        return Event::Kind::Click;
    case FormEvent::Tick:
        return Event::Kind::Tick;
    case FormEvent::Load:
        break;
    }
    return Event::Kind::Load;
}

} // namespace

void handle(Form &form, const QString &control, FormEvent event)
{
    const auto screen = Screen(form.id());
    if (const Row *row = findRow(screen, kindOf(event), control))
        StepRunner(form, screen).steps(row->steps);
}

} // namespace bq::course
