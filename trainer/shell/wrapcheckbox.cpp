// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrapcheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace shell {

QRect WrapCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect caption = captionRect();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect used = painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace shell
