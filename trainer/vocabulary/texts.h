// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vocabulary {

// The texts the drill shows the pupil.

// "gång" for exactly one, "gånger" otherwise.
QString unitWord(int antalratt);

// The end-of-drill message: result line, a line feed and the percentage text.
QString endOfDrillText(const QString &sprak1, const QString &sprak2, int antalratt, int summabet,
                       const QString &procenttext);
QString endOfDrillTitle();

// The message for a vocabulary without words.
QString emptyVocabularyText(const QString &filnamn);
QString emptyVocabularyTitle();

// The message for a check that could not be finished.
QString checkFailedText();
QString checkFailedTitle();

QString rightAnswerText();
QString wrongAnswerText(const QString &answer);

// Typed into the answer box, it reveals the answer.
QString revealPhrase();

}  // namespace vocabulary
