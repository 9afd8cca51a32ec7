// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "glosor.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vocabulary {

// The text of a vocabulary file: the header "[language 1-language 2]", then one line per word,
// "word,meaning$meaning$", every line ended by CR LF. A field is put in double quotes when the
// field reader would otherwise not give it back whole: it holds a comma or a line break, or it
// begins or ends with a space.
// Nothing when some text cannot be written so that the loader reads it back unchanged: a "-" or
// "]" in a language name, a "$" in a meaning, a double quote that the field reader would take as
// the start of a quoted field or that sits in a field that needs quotes, more than 400 words or
// more than four meanings.
std::optional<QString> vocabularyText(const Glosor &glosor);

// The bytes of a vocabulary text. Windows-1252 gives nothing when a character has no byte in it, or
// when its bytes would be taken for UTF-8 when read (as the two bytes of "Ã¤" are). UTF-8 begins
// with a byte-order mark, so the loader never has to guess.
std::optional<QByteArray> encodeVocabulary(const QString &text, Encoding encoding);

// Both at once: the file a vocabulary is written as, or nothing as above.
std::optional<QByteArray> writeVocabulary(const Glosor &glosor, Encoding encoding);

// True when the text, written as Windows-1252, would be read back as UTF-8: every character has a
// byte and the bytes happen to form UTF-8 sequences.
bool misreadAsUtf8(QStringView text);

// Replaces the file at the path with the bytes, all at once. False when any write failed; the old
// file is then left as it was.
bool saveVocabularyFile(const QString &path, QByteArrayView bytes);

}  // namespace vocabulary
