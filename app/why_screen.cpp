// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/why_screen.h"

#include "app/welcome_screen.h"
#include "platform/art.h"
#include "platform/readable_text.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {
namespace {

enum class Look { Heading, Paragraph, Address, Plain };

struct WhyLabel {
    const char *name;
    const char *text;
    Look look;
};

// Top to bottom, as the page reads.
constexpr WhyLabel kLabels[] = {
    {"lblwieso", "Sinn (Unsinn) dieses Programms:", Look::Heading},
    {"lblSinn",
     "Endlich die Spreu vom Weizen zu trennen! Es kann doch nicht angehen, dass sich jeder "
     "Quellmärker nennen darf, nur weil er in der Quellmark wohnt. Der wahre Quellmärker hat "
     "selbstverständlich ein Zertifikat das Ihn als \"wahren\" Quellmärker ausweist (zu erhalten "
     "nach Beantwortung aller hier gestellten Fragen).",
     Look::Paragraph},
    {"lblGrund", "Inspiration durch:", Look::Heading},
    {"lblInspiration",
     "Ein Freund hat ein Quiz dieser Art über seine eigene Heimat geschrieben, und es kam bei "
     "allen, die es gespielt haben, prächtig an. Deshalb gibt es jetzt dieses Quiz für alle "
     "wahren Quellmärker und die, die es werden wollen.",
     Look::Paragraph},
    {"lblHinweis", "Hinweis:", Look::Heading},
    {"LblHinweise",
     "Solltet Ihr Anregungen, Verbessungsvorschläge etc. haben, schreibt mir einfach eine email "
     "an  folgende Adresse:",
     Look::Paragraph},
    {"lblemail", nullptr, Look::Address},
    {"lblHinweis1",
     "Für Schäden die dieses Programm bei Euch (qualmenden Köpfen) oder Euren Rechner anstellt, "
     "übernehme ich natürlich keine Haftung. Obwohl dieses Programm in einem einwandfreien Zustand "
     "ausgeliefert wurde (ohne Virus, mehrfach getestet etc.)",
     Look::Plain},
};

} // namespace

WhyScreen::WhyScreen(const QString &name, const QString &caption, WindowKind kind) : Form(name, caption, kind)
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    auto *root = new QVBoxLayout(this);
    for (const WhyLabel &entry : kLabels) {
        const QString text = entry.text ? QString::fromUtf8(entry.text) : WelcomeScreen::kContact;
        QLabel *label = makeLabel(QString::fromLatin1(entry.name), text);
        label->setWordWrap(true);
        label->setMaximumWidth(520);
        if (entry.look != Look::Plain) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        if (entry.look == Look::Heading) // blue, lighter on a dark desktop
            keepTextReadable(label, QColor(0x00, 0x00, 0xFF));
        if (entry.look == Look::Address) {
            label->setAlignment(Qt::AlignCenter);
            label->setContentsMargins(40, 0, 0, 0);
        }
        root->addWidget(label);
    }
    auto *ok = makeButton(QStringLiteral("cmdok"), QStringLiteral("OK"));
    root->addWidget(ok, 0, Qt::AlignHCenter);
    setInitialFocus(ok);
}

} // namespace bq
