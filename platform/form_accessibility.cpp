// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form_accessibility.h"

#include "platform/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace bq {
namespace {

// A screen tells assistive technology what kind of window it is (a dialog window is a
// dialog, a normal window a frame) and, as its description, its message, which a screen
// reader reads out when the window opens, before the control that has the focus.
class FormInterface : public QAccessibleWidget {
public:
    explicit FormInterface(Form *form)
        : QAccessibleWidget(form, form->windowKind() == WindowKind::Dialog ? QAccessible::Dialog : QAccessible::Window)
    {}

    QString text(QAccessible::Text kind) const override
    {
        const auto *form = static_cast<const Form *>(widget());
        if (kind == QAccessible::Description && form->accessibleDescription().isEmpty())
            return form->message();
        return QAccessibleWidget::text(kind);
    }
};

// A label on a screen. A screen reader reads the labels of a dialog that label nothing by
// itself when the dialog opens, but only those of three words or more and in an order of its
// own; so a text label names its screen as what it labels, and the screen's message, its
// description, says every text once and in order. A label for a control labels that control.
class ScreenLabelInterface : public QAccessibleWidget {
public:
    explicit ScreenLabelInterface(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        QWidget *labelled = label()->buddy();
        if (!labelled && role() == QAccessible::StaticText)
            labelled = label()->window();
        if ((match & QAccessible::Labelled) && labelled)
            relations.append({QAccessible::queryAccessibleInterface(labelled), QAccessible::Labelled});
        return relations;
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *formInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !qobject_cast<Form *>(widget->window()))
        return nullptr;
    if (auto *form = qobject_cast<Form *>(widget); form && form->isWindow())
        return new FormInterface(form);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return new ScreenLabelInterface(label);
    return nullptr;
}

} // namespace

void installFormAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formInterface), true);
    Q_UNUSED(installed);
}

} // namespace bq
