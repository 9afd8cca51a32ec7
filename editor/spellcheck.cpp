// SPDX-License-Identifier: GPL-3.0-or-later
#include "spellcheck.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTextCharFormat>

namespace editor {

namespace {
// The red of a misspelling, as word processors draw it.
const QColor kWaveColour(220, 0, 0);
}  // namespace

SpellingSupport::SpellingSupport(const QStringList &dictionaryFolders, const QString &personalFolder,
                                 const QString &settingsFile)
    : spellers_(dictionaryFolders, personalFolder), choices_(settingsFile)
{
}

void SpellingSupport::setLanguageNames(const QString &sprak1, const QString &sprak2)
{
    names_[0] = sprak1;
    names_[1] = sprak2;
}

QString SpellingSupport::dictionaryForColumn(int column) const
{
    return choices_.dictionaryFor(names_[column == 0 ? 0 : 1]);
}

spelling::Speller &SpellingSupport::spellerForColumn(int column)
{
    return spellers_.forDictionary(dictionaryForColumn(column));
}

QList<spelling::WordRange> SpellingSupport::misspelt(int column, QStringView text)
{
    if (text.isEmpty())
        return {};
    return spellerForColumn(column).misspeltWords(text);
}

void paintMisspellings(QPainter &painter, const QStyleOptionViewItem &option, const QList<spelling::WordRange> &ranges)
{
    if (ranges.isEmpty())
        return;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    // Where the view's style puts the text: its text rectangle less the focus frame's margin.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).adjusted(margin, 0, -margin, 0);
    const QFontMetricsF metrics(option.font);
    const qreal baseline = text.top() + (text.height() - metrics.height()) / 2 + metrics.ascent();
    const qreal y = std::min<qreal>(baseline + metrics.descent() * 0.6 + 1, text.bottom());
    painter.save();
    painter.setClipRect(text);
    // Crisp, as word processors draw it, and the same red on every platform.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kWaveColour, 1));
    for (const spelling::WordRange &range : ranges) {
        const qreal x1 = text.left() + metrics.horizontalAdvance(option.text.left(range.start));
        const qreal x2 = x1 + metrics.horizontalAdvance(option.text.mid(range.start, range.length));
        QPainterPath wave(QPointF(x1, y));
        bool up = true;
        for (qreal x = x1 + 2; x <= x2; x += 2, up = !up)
            wave.lineTo(x, up ? y - 2 : y);
        painter.drawPath(wave);
    }
    painter.restore();
}

void underlineInEditor(QLineEdit &edit, const QList<spelling::WordRange> &ranges)
{
    // A line edit takes formats only with input-method text, where they are placed relative to the
    // cursor; an event with no text changes nothing else.
    QList<QInputMethodEvent::Attribute> formats;
    QTextCharFormat wave;
    wave.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wave.setUnderlineColor(kWaveColour);
    for (const spelling::WordRange &range : ranges) {
        formats.append(QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat,
                                                    static_cast<int>(range.start) - edit.cursorPosition(),
                                                    static_cast<int>(range.length), wave));
    }
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(&edit, &event);
}

QString replaced(const QString &text, const spelling::WordRange &range, const QString &with)
{
    QString result = text;
    result.replace(range.start, range.length, with);
    return result;
}

}  // namespace editor
