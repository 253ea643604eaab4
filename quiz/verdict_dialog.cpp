#include "quiz/verdict_dialog.h"

#include "platform/art.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "quiz/name_dialogs.h"
#include "quiz/verdict_catalogue.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {

VerdictDialog::VerdictDialog(const QString &name, const QString &caption)
    : Form(name, caption, WindowKind::Dialog), m_def(*findVerdict(name.toUtf8().constData()))
{
    setWindowIcon(artIcon(QStringLiteral("verdict-icon")));
    auto *root = new QVBoxLayout(this);
    const int messageWidth = 380;
    for (const VerdictMessage &message : m_def.messages) {
        const QString controlName = QString::fromUtf8(message.control);
        const QString text = QString::fromUtf8(message.text);
        if (message.textBox) {
            QPlainTextEdit *view = makeTextView(controlName, text);
            view->setFixedSize(messageWidth, 90);
            root->addWidget(view);
        } else {
            QLabel *label = makeLabel(controlName, text);
            label->setWordWrap(true);
            label->setFixedWidth(messageWidth);
            root->addWidget(label);
        }
    }
    auto *ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"));
    root->addWidget(ok, 0, Qt::AlignHCenter);
    setInitialFocus(ok);
    onClick(ok, [this] { OKButton_Click(); });
}

void VerdictDialog::OKButton_Click()
{
    const QString self = name();
    const QString target = QString::fromUtf8(m_def.target);
    Forms &forms = Forms::instance();
    for (const char *step = m_def.steps; *step; ++step) {
        switch (*step) {
        case 'U':
            forms.unload(self);
            break;
        case 'V':
            forms.show(target);
            break;
        case 'N':
            copyPlayerName(target, QString::fromUtf8(m_def.nameLabel));
            break;
        case 'B':
            messageBox(QString::fromUtf8(m_def.boxText), BoxStyle::Exclamation, QString::fromUtf8(m_def.boxTitle));
            break;
        default:
            Q_UNREACHABLE();
        }
    }
}

} // namespace bq
