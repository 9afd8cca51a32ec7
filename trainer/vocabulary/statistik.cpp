#include "statistik.h"

#include <cmath>

namespace vocabulary {

int percentRight(int antalratt, int antalfel)
{
    const int answered = antalratt + antalfel;
    if (answered == 0)
        return 0;
    // The share is kept in single precision. Scaled in single precision too, an exact half such as
    // 1 of 200 stays a half and rounds up; no share of up to 1600 answers lies close enough to a
    // half for the rounding of the product to move it across.
    const float share = static_cast<float>(static_cast<double>(antalratt) / answered);
    const float percent = share * 100.0f;
    return static_cast<int>(std::floor(static_cast<double>(percent) + 0.5));
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
