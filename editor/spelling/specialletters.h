// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

namespace spelling {

// A letter that a Swedish keyboard has no key for, and how the editor types it: Ctrl held with the
// mark, then the base letter, as word processors do it ("é": Ctrl+' and then e). A letter without a
// base (¿ ¡) comes with Ctrl+Alt and its mark alone.
struct SpecialLetter {
    QChar letter;
    QChar mark;
    QChar base;  // null for a letter its mark types alone

    friend bool operator==(const SpecialLetter &, const SpecialLetter &) = default;
};

// The letters of a dictionary's language ("fr_FR", "es_ES", "de_DE") that a Swedish keyboard lacks:
// the small letters, then their capitals in the same order. Empty for Swedish, for English, which
// needs none, and for a code that is empty or unknown.
QList<SpecialLetter> specialLetters(QStringView dictionary);

// The keys of a letter as its button's tip names them: "Ctrl+' e", "Ctrl+' E", "Ctrl+Alt+?".
QString keysText(const SpecialLetter &letter);

// The mark a key pressed with Ctrl stands for, from the key code Qt gives it (a dead key counts as
// its mark: the Swedish ´ and ¨ keys are dead ones) or else from the text it types; a null QChar
// when it is none. `withAlt`: Alt was held too, which only ¿ and ¡ want, for on Windows Ctrl+Alt is
// AltGr, whose own characters must stay as they are.
QChar markOfKey(int qtKey, QStringView text, bool withAlt);

// The letter of a mark and the letter typed after it, in either case; a null QChar when the two make
// none. With a null base: the letter the mark types alone, if any.
QChar combinedLetter(QChar mark, QChar base);

}  // namespace spelling
