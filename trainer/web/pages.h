// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/glosor.h"

#include <QByteArray>
#include <QString>

namespace web {

// What both pages show besides the words.
struct PageContext {
    QString filnamn;        // the vocabulary file; its `basnamn` heads the page
    qint16 farg = 0;        // colour scheme 0 to 3; any other value writes no colour line
    qint16 textstorlek = 0; // written after a "+" as the size of the words in the table
    QString date;           // the short date ("ddddd")
    QString time;           // hour and minute ("hh:nn")
};

// The result of the drill that has just ended.
struct DrillResult {
    int antalratt = 0;
    QString procenttext;
};

// The report of a drill, "latest_practice.html": every word on the row of each of its meanings, in
// bold italics on the rows of the meanings the pupil missed (the `fel` flags).
QByteArray latestPracticePage(const vocabulary::Glosor &glosor, const DrillResult &result,
                              const PageContext &context);

// The vocabulary as a page: each word once, beside its first meaning. The drill's marks never show.
QByteArray vocabularyPage(const vocabulary::Glosor &glosor, const PageContext &context);

}  // namespace web
