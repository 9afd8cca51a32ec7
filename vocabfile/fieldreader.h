// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace vocabulary {

// Reads a text field by field, the way the trainer's text files are written:
// - a comma or a line end (CR LF, a bare LF or a bare CR) ends a field;
// - spaces in front of a field are skipped;
// - a field that begins with a double quote runs to the next double quote, without the quotes, so it
//   may hold commas; anything between the closing quote and the next comma or line end is dropped;
// - any other field is the text up to the next comma or line end; an empty line is an empty field.
class FieldReader {
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    // True when nothing is left to read.
    bool atEnd() const { return pos_ >= text_.size(); }

    // The next field; nothing when the text has already been read to its end.
    std::optional<QString> next();

    // What the last field passed over: the text between its closing quote and the comma or line end.
    QStringView passedOver() const { return passedOver_; }

private:
    void skipDelimiter();

    QStringView text_;
    qsizetype pos_ = 0;
    QStringView passedOver_;
};

}  // namespace vocabulary
