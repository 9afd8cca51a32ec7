// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace exchange {

namespace {

using vocabulary::Document;
using vocabulary::Entry;

// Text sizes in points: the painter turns them into the device's own units, so a page reads the
// same from a printer as from a PDF.
constexpr qreal kTitlePoints = 16;
constexpr qreal kLanguagesPoints = 11;
constexpr qreal kBodyPoints = 11;
constexpr qreal kFooterPoints = 9;
constexpr qreal kScorePoints = 12;
// A card's text starts large, to be read at arm's length, and steps down until it fits the card.
constexpr qreal kCardWordPoints[] = {22, 18, 15, 12, 10};
constexpr qreal kCardMeaningPoints[] = {16, 14, 12, 10, 9};

// Lengths in millimetres.
constexpr qreal kLeastMargin = 12;       // printers cannot print to the edge; a PDF set to no margins should not either
constexpr qreal kRuleGap = 1.5;          // between the language names and the rule under the heading
constexpr qreal kHeadingGap = 5;         // between that rule and the table
constexpr qreal kFooterGap = 5;          // between the table and the page number
constexpr qreal kColumnGap = 6;
constexpr qreal kNumberGap = 2;          // between a test row's number and its text
constexpr qreal kRowPadding = 1.6;       // above and below a row's text
constexpr qreal kMeaningGap = 0.8;       // between two meanings, so that a wrapped meaning still reads as one
constexpr qreal kWritingPitch = 8;       // one line of a pupil's handwriting
constexpr qreal kWritingLineLift = 1.8;  // a writing line stands this far above the foot of its pitch
constexpr qreal kScoreGap = 8;
constexpr qreal kCardPadding = 4;
constexpr qreal kLeastCardWidth = 80;    // A4 and Letter both take two cards across ...
constexpr qreal kLeastCardHeight = 42;   // ... and five down
constexpr qreal kDash = 2.5;
constexpr qreal kDashGap = 1.5;

// Line widths in points.
constexpr qreal kRulePoints = 0.8;
constexpr qreal kThinPoints = 0.4;

const QColor kGrey(0x80, 0x80, 0x80);

QFont fontOf(qreal points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The meanings that say something. An empty one (the file's "$$") would print as nothing, so it
// takes no line of its own.
QStringList shownMeanings(const Entry &entry)
{
    QStringList shown;
    for (const QString &meaning : entry.meanings) {
        if (!meaning.isEmpty())
            shown << meaning;
    }
    return shown;
}

// A text laid out to a width. It wraps between words, and inside a word only when the word alone
// is wider than its column, so that no text runs into the next column or off the paper.
class Block {
public:
    Block(const QString &text, const QFont &font, qreal width, QPaintDevice *device, Qt::Alignment alignment)
        : layout_(std::make_unique<QTextLayout>(text, font, device))
    {
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_->setTextOption(option);
        layout_->beginLayout();
        for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height_));
            height_ += line.height();
        }
        layout_->endLayout();
    }

    qreal height() const { return height_; }
    // The first line's ascent: what sets the text on a writing line.
    qreal ascent() const { return layout_->lineCount() > 0 ? layout_->lineAt(0).ascent() : 0; }
    // Draws the lines that end above `limit`. Those below are left out rather than clipped: a
    // clipped text would still be in a PDF, found by a search, and a line cut in half is unreadable.
    void draw(QPainter &painter, QPointF topLeft, qreal limit) const
    {
        for (int i = 0; i < layout_->lineCount(); ++i) {
            const QTextLine line = layout_->lineAt(i);
            if (topLeft.y() + line.y() + line.height() > limit)
                break;
            line.draw(&painter, topLeft);
        }
    }

private:
    std::unique_ptr<QTextLayout> layout_;  // QTextLayout cannot be moved; the block can
    qreal height_ = 0;
};

// Texts set one under another, as a row's meanings, each beginning a line of its own.
class Stack {
public:
    Stack(const QStringList &texts, const QFont &font, qreal width, qreal gap, QPaintDevice *device,
          Qt::Alignment alignment = Qt::AlignLeft)
        : gap_(gap)
    {
        for (const QString &text : texts) {
            if (!blocks_.empty())
                height_ += gap;
            blocks_.emplace_back(text, font, width, device, alignment);
            height_ += blocks_.back().height();
        }
    }

    qreal height() const { return height_; }
    void draw(QPainter &painter, QPointF topLeft, qreal limit) const
    {
        qreal y = topLeft.y();
        for (const Block &block : blocks_) {
            block.draw(painter, QPointF(topLeft.x(), y), limit);
            y += block.height() + gap_;
        }
    }

private:
    std::vector<Block> blocks_;
    qreal gap_ = 0;
    qreal height_ = 0;
};

// Where things go on every page, in the painter's coordinates: device units, from the corner of
// the device's printable area.
struct Frame {
    QPaintDevice *device = nullptr;
    qreal perMmX = 1;
    qreal perMmY = 1;
    qreal perPoint = 1;   // for line widths
    QRectF area;          // inside the margins
    QRectF body;          // between the heading and the page number
    qreal paperLeft = 0;  // the paper's left edge and width, which the flashcards are centred on
    qreal paperWidth = 0;

    qreal x(qreal mm) const { return mm * perMmX; }
    qreal y(qreal mm) const { return mm * perMmY; }
    QPen pen(qreal points, const QColor &colour = Qt::black) const { return QPen(colour, points * perPoint); }
    qreal lineHeight(const QFont &font) const { return QFontMetricsF(font, device).height(); }
};

Frame frameOf(QPagedPaintDevice &device)
{
    Frame frame;
    frame.device = &device;
    frame.perMmX = device.logicalDpiX() / 25.4;
    frame.perMmY = device.logicalDpiY() / 25.4;
    frame.perPoint = device.logicalDpiY() / 72.0;

    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const qreal left = std::max(printable.left(), kLeastMargin);
    const qreal top = std::max(printable.top(), kLeastMargin);
    const qreal right = std::max(left + 1, std::min(printable.right(), paper.width() - kLeastMargin));
    const qreal bottom = std::max(top + 1, std::min(printable.bottom(), paper.height() - kLeastMargin));
    frame.area = QRectF(frame.x(left - printable.left()), frame.y(top - printable.top()), frame.x(right - left),
                        frame.y(bottom - top));
    frame.paperLeft = frame.x(-printable.left());
    frame.paperWidth = frame.x(paper.width());

    const qreal headingHeight = frame.lineHeight(fontOf(kTitlePoints, true))
            + frame.lineHeight(fontOf(kLanguagesPoints)) + frame.y(kRuleGap);
    const qreal bodyTop = frame.area.top() + headingHeight + frame.y(kHeadingGap);
    const qreal bodyBottom = frame.area.bottom() - frame.lineHeight(fontOf(kFooterPoints)) - frame.y(kFooterGap);
    frame.body = QRectF(frame.area.left(), bodyTop, frame.area.width(), std::max(bodyBottom - bodyTop, frame.y(1)));
    return frame;
}

// One line of text in a rectangle, shortened with "…" rather than wrapped, so that every page's
// heading is as high as every other's and the flashcards' backs lie level with their fronts.
void drawLine(QPainter &painter, const Frame &frame, const QRectF &rect, const QFont &font, const QString &text,
              Qt::Alignment alignment)
{
    const QString shown = QFontMetricsF(font, frame.device).elidedText(text, Qt::ElideRight, rect.width());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect, alignment | Qt::AlignTop | Qt::TextSingleLine, shown);
}

void paintHeadingAndFooter(QPainter &painter, const Frame &frame, const QString &title, const QString &languages,
                           int number, int count)
{
    const QRectF &area = frame.area;
    const QFont titleFont = fontOf(kTitlePoints, true);
    const QFont languagesFont = fontOf(kLanguagesPoints);
    const QFont footerFont = fontOf(kFooterPoints);
    qreal y = area.top();
    drawLine(painter, frame, QRectF(area.left(), y, area.width(), frame.lineHeight(titleFont)), titleFont, title,
             Qt::AlignLeft);
    y += frame.lineHeight(titleFont);
    drawLine(painter, frame, QRectF(area.left(), y, area.width(), frame.lineHeight(languagesFont)), languagesFont,
             languages, Qt::AlignLeft);
    y += frame.lineHeight(languagesFont) + frame.y(kRuleGap);
    painter.setPen(frame.pen(kRulePoints));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));

    const qreal footerHeight = frame.lineHeight(footerFont);
    drawLine(painter, frame, QRectF(area.left(), area.bottom() - footerHeight, area.width(), footerHeight), footerFont,
             QStringLiteral("Sida %1 av %2").arg(number).arg(count), Qt::AlignHCenter);
}

// What a page holds besides its heading and page number, placed before any page is painted: the
// page count must be known for "Sida 1 av M".
using Piece = std::function<void(QPainter &)>;

struct Page {
    QString title;
    std::vector<Piece> pieces;
};

// A row of a table that runs over pages: its height, measured before the row is placed, and how it
// paints with its top at a given height, its text ending above a limit.
struct Row {
    qreal height = 0;
    std::function<void(QPainter &, qreal top, qreal limit)> paint;
};

// The rows poured onto pages under the table's head, which every page repeats. A row that does not
// fit goes whole to the next page.
std::vector<Page> flow(const Frame &frame, const QString &title, const Row &head, const std::vector<Row> &rows)
{
    std::vector<Page> pages;
    qreal y = 0;
    bool fresh = true;
    const auto startPage = [&] {
        pages.push_back({title, {}});
        pages.back().pieces.push_back([&frame, paint = head.paint](QPainter &p) {
            paint(p, frame.body.top(), frame.body.bottom());
        });
        y = frame.body.top() + head.height;
        fresh = true;
    };
    startPage();
    for (const Row &row : rows) {
        if (!fresh && y + row.height > frame.body.bottom())
            startPage();
        if (y + row.height > frame.body.bottom()) {
            // Taller than a whole page: cut off at the page's foot rather than painted over the page number.
            const QRectF clip(frame.area.left(), y, frame.area.width(), frame.body.bottom() - y);
            pages.back().pieces.push_back([&frame, paint = row.paint, top = y, clip](QPainter &p) {
                p.save();
                p.setClipRect(clip);
                paint(p, top, frame.body.bottom());
                p.restore();
            });
        } else {
            pages.back().pieces.push_back([&frame, paint = row.paint, top = y](QPainter &p) {
                paint(p, top, frame.body.bottom());
            });
        }
        y += row.height;
        fresh = false;
    }
    return pages;
}

// The table's columns, left to right: the test's row numbers (none in the word list), the words,
// the meanings.
struct Columns {
    qreal numberLeft = 0;
    qreal numberWidth = 0;
    qreal wordLeft = 0;
    qreal meaningLeft = 0;
    qreal width = 0;  // of the word and of the meaning column alike
};

Columns columnsOf(const Frame &frame, bool numbered)
{
    Columns columns;
    columns.numberLeft = frame.area.left();
    if (numbered) {
        // As wide as the highest number a vocabulary can have.
        columns.numberWidth = QFontMetricsF(fontOf(kBodyPoints), frame.device)
                                      .horizontalAdvance(QString::number(vocabulary::kMaxWords) + u'.');
        columns.wordLeft = columns.numberLeft + columns.numberWidth + frame.x(kNumberGap);
    } else {
        columns.wordLeft = frame.area.left();
    }
    columns.width = std::max((frame.area.right() - columns.wordLeft - frame.x(kColumnGap)) / 2, frame.x(1));
    columns.meaningLeft = columns.wordLeft + columns.width + frame.x(kColumnGap);
    return columns;
}

// The language names over their columns, with a rule under them.
Row headRow(const Frame &frame, const Document &document, const Columns &columns)
{
    const QFont font = fontOf(kBodyPoints, true);
    auto words = std::make_shared<Block>(document.sprak1, font, columns.width, frame.device, Qt::AlignLeft);
    auto meanings = std::make_shared<Block>(document.sprak2, font, columns.width, frame.device, Qt::AlignLeft);
    const qreal padding = frame.y(kRowPadding);
    const qreal height = std::max(words->height(), meanings->height()) + 2 * padding;
    return {height, [&frame, columns, words, meanings, padding, height](QPainter &p, qreal top, qreal limit) {
                p.setPen(Qt::black);
                words->draw(p, QPointF(columns.wordLeft, top + padding), limit);
                meanings->draw(p, QPointF(columns.meaningLeft, top + padding), limit);
                p.setPen(frame.pen(kRulePoints));
                p.drawLine(QPointF(frame.area.left(), top + height), QPointF(frame.area.right(), top + height));
            }};
}

// Gloslista: each word beside all its meanings, a thin line under each row.
std::vector<Page> wordList(const Frame &frame, const Document &document, const QString &title,
                           std::span<const Entry *const> entries)
{
    const Columns columns = columnsOf(frame, false);
    const QFont font = fontOf(kBodyPoints);
    const qreal padding = frame.y(kRowPadding);
    std::vector<Row> rows;
    for (const Entry *entry : entries) {
        auto word = std::make_shared<Block>(entry->word, font, columns.width, frame.device, Qt::AlignLeft);
        auto meanings = std::make_shared<Stack>(shownMeanings(*entry), font, columns.width, frame.y(kMeaningGap),
                                                frame.device);
        const qreal height = std::max(word->height(), meanings->height()) + 2 * padding;
        const auto paint = [&frame, columns, word, meanings, padding, height](QPainter &p, qreal top, qreal limit) {
            p.setPen(Qt::black);
            word->draw(p, QPointF(columns.wordLeft, top + padding), limit);
            meanings->draw(p, QPointF(columns.meaningLeft, top + padding), limit);
            p.setPen(frame.pen(kThinPoints, kGrey));
            p.drawLine(QPointF(frame.area.left(), top + height), QPointF(frame.area.right(), top + height));
        };
        rows.push_back({height, paint});
    }
    return flow(frame, title, headRow(frame, document, columns), rows);
}

// Förhör: numbered rows, one side printed and the other lines to write on, then the score line.
std::vector<Page> testSheet(const Frame &frame, const Document &document, const QString &title,
                            std::span<const Entry *const> entries, bool showMeanings)
{
    const Columns columns = columnsOf(frame, true);
    const QFont font = fontOf(kBodyPoints);
    const qreal pitch = frame.y(kWritingPitch);
    const qreal lift = frame.y(kWritingLineLift);
    const qreal shownLeft = showMeanings ? columns.meaningLeft : columns.wordLeft;
    const qreal blankLeft = showMeanings ? columns.wordLeft : columns.meaningLeft;
    std::vector<Row> rows;
    int number = 0;
    for (const Entry *entry : entries) {
        const QStringList meanings = shownMeanings(*entry);
        auto numberText = std::make_shared<Block>(QString::number(++number) + u'.', font, columns.numberWidth,
                                                  frame.device, Qt::AlignRight);
        auto shown = std::make_shared<Stack>(showMeanings ? meanings : QStringList{entry->word}, font, columns.width,
                                             frame.y(kMeaningGap), frame.device);
        // A line for each meaning to be written, so the pupil knows how many are asked.
        const int writingLines = showMeanings ? 1 : std::max<int>(1, meanings.size());
        // The printed text stands on the first writing line, as the pupil's answer will.
        const qreal textTop = pitch - lift - numberText->ascent();
        const qreal height = std::max(writingLines * pitch, textTop + shown->height() + lift);
        rows.push_back({height, [&frame, columns, numberText, shown, shownLeft, blankLeft, writingLines, pitch, lift,
                                 textTop](QPainter &p, qreal top, qreal limit) {
                            p.setPen(Qt::black);
                            numberText->draw(p, QPointF(columns.numberLeft, top + textTop), limit);
                            shown->draw(p, QPointF(shownLeft, top + textTop), limit);
                            p.setPen(frame.pen(kThinPoints));
                            for (int i = 1; i <= writingLines; ++i) {
                                const qreal y = top + i * pitch - lift;
                                p.drawLine(QPointF(blankLeft, y), QPointF(blankLeft + columns.width, y));
                            }
                        }});
    }
    auto score = std::make_shared<Block>(QStringLiteral("Rätt: ___ av %1").arg(number), fontOf(kScorePoints, true),
                                         frame.area.width(), frame.device, Qt::AlignLeft);
    const qreal scoreGap = frame.y(kScoreGap);
    rows.push_back({scoreGap + score->height(), [&frame, score, scoreGap](QPainter &p, qreal top, qreal limit) {
                        p.setPen(Qt::black);
                        score->draw(p, QPointF(frame.area.left(), top + scoreGap), limit);
                    }});
    return flow(frame, title, headRow(frame, document, columns), rows);
}

// One side of a card: the texts centred, in the largest size that fits.
Piece cardSide(const Frame &frame, const QRectF &card, const QStringList &texts, std::span<const qreal> sizes,
               bool bold)
{
    const QRectF inner = card.adjusted(frame.x(kCardPadding), frame.y(kCardPadding), -frame.x(kCardPadding),
                                       -frame.y(kCardPadding));
    std::shared_ptr<Stack> stack;
    for (const qreal points : sizes) {
        stack = std::make_shared<Stack>(texts, fontOf(points, bold), inner.width(), frame.y(kMeaningGap),
                                        frame.device, Qt::AlignHCenter);
        if (stack->height() <= inner.height())
            break;
    }
    // Too much even in the smallest size: from the top, as far as the card goes.
    const qreal top = inner.top() + std::max<qreal>(0, (inner.height() - stack->height()) / 2);
    return [inner, stack, top](QPainter &p) {
        p.setPen(Qt::black);
        stack->draw(p, QPointF(inner.left(), top), inner.bottom());
    };
}

// Gloskort: a sheet of cards with the words, then a sheet with their meanings. Printed on both
// sides of the paper, turned over its long edge, a card's back is mirrored left to right.
std::vector<Page> flashcards(const Frame &frame, const QString &title, std::span<const Entry *const> entries)
{
    // The grid is centred on the paper, not on the printable area: the back turns over around the
    // paper's middle, so only then does it land behind the front when the margins are uneven.
    const qreal edge = std::max(frame.area.left() - frame.paperLeft,
                                frame.paperLeft + frame.paperWidth - frame.area.right());
    const qreal gridLeft = frame.paperLeft + edge;
    const qreal gridWidth = std::max(frame.paperWidth - 2 * edge, frame.x(1));
    const QRectF &body = frame.body;
    const int columns = std::max(1, int(gridWidth / frame.x(kLeastCardWidth)));
    const int rows = std::max(1, int(body.height() / frame.y(kLeastCardHeight)));
    const qreal cardWidth = gridWidth / columns;
    const qreal cardHeight = body.height() / rows;
    const qsizetype perSheet = qsizetype(columns) * rows;

    std::vector<Page> pages;
    if (entries.empty())
        pages.push_back({title, {}});
    for (qsizetype first = 0; first < qsizetype(entries.size()); first += perSheet) {
        const qsizetype count = std::min(perSheet, qsizetype(entries.size()) - first);
        const int usedRows = int((count + columns - 1) / columns);
        const Piece cutLines = [&frame, gridLeft, gridWidth, columns, usedRows, cardWidth, cardHeight](QPainter &p) {
            QPen pen = frame.pen(kThinPoints, kGrey);
            pen.setDashPattern({frame.x(kDash) / pen.widthF(), frame.x(kDashGap) / pen.widthF()});
            p.setPen(pen);
            const qreal top = frame.body.top();
            const qreal bottom = top + usedRows * cardHeight;
            for (int c = 0; c <= columns; ++c) {
                const qreal x = gridLeft + c * cardWidth;
                p.drawLine(QPointF(x, top), QPointF(x, bottom));
            }
            for (int r = 0; r <= usedRows; ++r) {
                const qreal y = top + r * cardHeight;
                p.drawLine(QPointF(gridLeft, y), QPointF(gridLeft + gridWidth, y));
            }
        };
        Page front{title, {cutLines}};
        Page back{title + QStringLiteral(" – baksida"), {cutLines}};
        for (qsizetype k = 0; k < count; ++k) {
            const Entry &entry = *entries[first + k];
            const int row = int(k / columns);
            const int column = int(k % columns);
            const qreal top = body.top() + row * cardHeight;
            const QRectF frontCard(gridLeft + column * cardWidth, top, cardWidth, cardHeight);
            const QRectF backCard(gridLeft + (columns - 1 - column) * cardWidth, top, cardWidth, cardHeight);
            front.pieces.push_back(cardSide(frame, frontCard, {entry.word}, kCardWordPoints, true));
            back.pieces.push_back(cardSide(frame, backCard, shownMeanings(entry), kCardMeaningPoints, false));
        }
        pages.push_back(std::move(front));
        pages.push_back(std::move(back));
    }
    return pages;
}

}  // namespace

int printVocabulary(QPagedPaintDevice &device, const Document &document, const PrintOptions &options)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Frame frame = frameOf(device);
    const QString title = options.title.isEmpty() ? QStringLiteral("Glosor") : options.title;
    std::vector<const Entry *> entries;
    for (const Entry &entry : document.entries) {
        if (!entry.isEmpty())
            entries.push_back(&entry);
    }

    std::vector<Page> pages;
    switch (options.layout) {
    case PrintLayout::Gloslista:
        pages = wordList(frame, document, title, entries);
        break;
    case PrintLayout::Forhor:
        pages = testSheet(frame, document, title, entries, options.showMeanings);
        break;
    case PrintLayout::Gloskort:
        pages = flashcards(frame, title, entries);
        break;
    }

    const QString languages = document.sprak1 + QStringLiteral(" – ") + document.sprak2;
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return i;
        }
        paintHeadingAndFooter(painter, frame, pages[i].title, languages, i + 1, count);
        for (const Piece &piece : pages[i].pieces)
            piece(painter);
    }
    painter.end();
    return count;
}

}  // namespace exchange
