// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldreader.h"

namespace vocabulary {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

}  // namespace

void FieldReader::skipDelimiter()
{
    if (atEnd())
        return;
    const QChar c = text_.at(pos_);
    if (c == u',') {
        ++pos_;
    } else if (c == u'\r') {
        ++pos_;
        if (!atEnd() && text_.at(pos_) == u'\n')
            ++pos_;
    } else if (c == u'\n') {
        ++pos_;
    }
}

std::optional<QString> FieldReader::next()
{
    passedOver_ = {};
    if (atEnd())
        return std::nullopt;
    while (!atEnd() && text_.at(pos_) == u' ')
        ++pos_;
    if (!atEnd() && text_.at(pos_) == u'"') {
        const qsizetype start = ++pos_;
        while (!atEnd() && text_.at(pos_) != u'"')
            ++pos_;
        QString value = text_.sliced(start, pos_ - start).toString();
        if (!atEnd())
            ++pos_;  // the closing quote
        const qsizetype after = pos_;
        while (!atEnd() && text_.at(pos_) != u',' && !isLineEnd(text_.at(pos_)))
            ++pos_;
        passedOver_ = text_.sliced(after, pos_ - after);
        skipDelimiter();
        return value;
    }
    const qsizetype start = pos_;
    while (!atEnd() && text_.at(pos_) != u',' && !isLineEnd(text_.at(pos_)))
        ++pos_;
    QString value = text_.sliced(start, pos_ - start).toString();
    skipDelimiter();
    return value;
}

}  // namespace vocabulary
