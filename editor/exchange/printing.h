// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/rules.h"

#include <QString>

class QPagedPaintDevice;

namespace exchange {

// The three ways a vocabulary is printed.
enum class PrintLayout {
    Gloslista,  // the words and all their meanings in two columns
    Forhor,     // a test sheet: one side filled, the other lines to write on, a score line
    Gloskort,   // flashcards: fronts with the words, backs with the meanings, for duplex printing
};

struct PrintOptions {
    PrintLayout layout = PrintLayout::Gloslista;
    // Förhör: true shows the meanings and leaves the words to write, false the other way round.
    bool showMeanings = true;
    // The vocabulary's name in the heading, as "Franska vecka 3".
    QString title;
};

// Paints the vocabulary on the device's pages (a printer or a PDF writer), in the device's page
// size and margins: a heading with the title and the two language names on every page, page
// numbers "Sida N av M", and no row cut by a page break. Empty rows are left out. Returns the
// number of pages; 0 when the device could not be painted on.
int printVocabulary(QPagedPaintDevice &device, const vocabulary::Document &document, const PrintOptions &options);

}  // namespace exchange
