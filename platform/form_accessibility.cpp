// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form_accessibility.h"

#include "platform/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace bq {
namespace {

// A screen tells assistive technology what kind of window it is: a dialog window is a
// dialog, whose message a screen reader reads out when it opens; a normal window is a frame.
class FormInterface : public QAccessibleWidget {
public:
    explicit FormInterface(Form *form)
        : QAccessibleWidget(form, form->windowKind() == WindowKind::Dialog ? QAccessible::Dialog : QAccessible::Window)
    {}

    QString text(QAccessible::Text kind) const override
    {
        const auto *form = static_cast<const Form *>(widget());
        if (kind == QAccessible::Description && form->accessibleDescription().isEmpty()
            && form->windowKind() == WindowKind::Dialog && !readsOwnLabels(*form))
            return form->message();
        return QAccessibleWidget::text(kind);
    }

private:
    // A screen reader reads a dialog's shown labels of three words or more by itself when
    // the dialog opens; then the description would say it all a second time. Without such
    // labels (a message in a text view, a greeting of a few words) the description is the message.
    static bool readsOwnLabels(const Form &form)
    {
        for (const QLabel *label : form.findChildren<QLabel *>()) {
            if (label->isVisibleTo(&form) && label->text().simplified().count(u' ') >= 2)
                return true;
        }
        return false;
    }
};

QAccessibleInterface *formInterface(const QString &, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    return form && form->isWindow() ? new FormInterface(form) : nullptr;
}

} // namespace

void installFormAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formInterface), true);
    Q_UNUSED(installed);
}

} // namespace bq
