// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vocabulary {

// The five statistics labels of a drill.
struct Statistik {
    QString gjorda;       // "Gjorda: " and the number answered
    QString kvar;         // "Kvar att öva: " and the questions left
    QString ratt;         // "Rätt: " and the right answers
    QString fel;          // "Fel: " and the wrong answers
    QString procenttext;  // "Procent rätt: " and the share right of the answers so far
};

// The whole-number percentage of right answers among those given, halves rounded up; 0 when none.
int percentRight(int antalratt, int antalfel);

Statistik raknaut(int antalratt, int antalfel, int summabet);

}  // namespace vocabulary
