// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twip_layout.h"

#include "platform/form.h"
#include "platform/readable_text.h"

#include <QLabel>

namespace bq {

QRect twipRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

void placeLabels(Form &form, std::initializer_list<PlacedLabel> labels)
{
    for (const PlacedLabel &entry : labels) {
        QLabel *label = form.makeLabel(QString::fromUtf8(entry.name), QString::fromUtf8(entry.text));
        label->setGeometry(entry.rect);
        label->setFont(entry.font);
        label->setAlignment(entry.align);
        label->setWordWrap(true);
        // Words that do not fit the box on one line get the room below it.
        label->resize(entry.rect.width(), qMax(entry.rect.height(), label->heightForWidth(entry.rect.width())));
        if (entry.colour)
            keepTextReadable(label, QColor(QLatin1String(entry.colour)));
    }
}

} // namespace bq
