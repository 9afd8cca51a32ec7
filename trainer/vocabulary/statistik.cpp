// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistik.h"

namespace vocabulary {

int percentRight(int antalratt, int antalfel)
{
    const int answered = antalratt + antalfel;
    if (answered == 0)
        return 0;
    // Rounded to the nearest whole number, halves upwards, in whole numbers: floating point would
    // put some exact halves (21 of 40 is 52.5) just below the half and round them down.
    return (200 * antalratt + answered) / (2 * answered);
}

Statistik raknaut(int antalratt, int antalfel, int summabet)
{
    const int answered = antalratt + antalfel;
    Statistik s;
    s.gjorda = QStringLiteral("Gjorda: ") + QString::number(answered);
    s.kvar = QStringLiteral("Kvar att öva: ") + QString::number(summabet - answered);
    s.ratt = QStringLiteral("Rätt: ") + QString::number(antalratt);
    s.fel = QStringLiteral("Fel: ") + QString::number(antalfel);
    s.procenttext = QStringLiteral("Procent rätt: ") + QString::number(percentRight(antalratt, antalfel)) + u'%';
    return s;
}

}  // namespace vocabulary
