// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

namespace vocabulary {

QString unitWord(int antalratt)
{
    return antalratt == 1 ? QStringLiteral("gång") : QStringLiteral("gånger");
}

QString endOfDrillText(const QString &sprak1, const QString &sprak2, int antalratt, int summabet,
                       const QString &procenttext)
{
    return QStringLiteral("Du kunde det ") + sprak1 + QStringLiteral(" ordet för det ") + sprak2
        + QStringLiteral(" ordet ") + QString::number(antalratt) + u' ' + unitWord(antalratt)
        + QStringLiteral(" av ") + QString::number(summabet) + QStringLiteral(" möjliga.") + u'\n'
        + procenttext + u'.';
}

QString endOfDrillTitle()
{
    return QStringLiteral("Alla glosor klara");
}

QString emptyVocabularyText(const QString &filnamn)
{
    return QStringLiteral("det finns inga ord sparade i \"") + filnamn + QStringLiteral("\".\n")
        + QStringLiteral("Du måste öppna Vuzuvevizaduvareziv och spara glosor.");
}

QString emptyVocabularyTitle()
{
    return QStringLiteral("Inga Glosor finns!");
}

QString checkFailedText()
{
    return QStringLiteral("Ett fel har inträffat. Kanske har bilderna\n\"argtant.gif\" eller \"smiling.gif\""
                          " kommit bort eller blivit skadade.");
}

QString checkFailedTitle()
{
    return QStringLiteral("Ett fel har inträffat");
}

QString rightAnswerText()
{
    return QStringLiteral("Rätt svar!");
}

QString wrongAnswerText(const QString &answer)
{
    return QStringLiteral("Rätt svar: ") + answer;
}

QString revealPhrase()
{
    return QStringLiteral("hjälp mig nu, snälla du !! (tack)");
}

}  // namespace vocabulary
