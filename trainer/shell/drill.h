// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trainer/vocabulary/ovning.h"
#include "trainer/web/webcommands.h"

#include <QString>
#include <cstdint>

namespace platform {
class Desktop;
}

namespace shell {

class modulePlugo;
class PlugoView;

// The settings and folders the page commands work with, as they are now.
web::PageSettings pageSettings(const modulePlugo &module);

// The drill as the main window runs it: loading a vocabulary, drawing a question, checking the answer
// with its counting, picture and messages, and at the end of a pass the report and a new pass. It
// holds the vocabulary and the drill's state; the window only shows what it is told.
class Drill {
public:
    Drill(platform::Desktop &desktop, modulePlugo &module, web::WebCommands &web, PlugoView &view, std::uint32_t seed);

    const vocabulary::Ovning &ovning() const { return ovning_; }
    const QString &filnamn() const { return filnamn_; }
    // The percentage line of the statistics as last worked out.
    const QString &procenttext() const { return procenttext_; }

    // "Öppna glosfil": the open dialog, then the chosen file loaded. False when the dialog was
    // cancelled or the load failed; everything then stays as it was.
    bool oppna();
    // Loads the vocabulary at `path` and shows it, ready for "Börja". False when it cannot be read;
    // the drill in progress then goes on untouched.
    bool oppnadirekt(const QString &path);

    // "Börja" / "Nästa": the next question, or a message when the vocabulary has nothing to ask.
    // Nothing while a question is on show.
    void nextQuestion();
    // "Rätta", or Enter in the answer box: the answer is checked once; an empty answer only takes
    // the focus back to the box.
    void check();
    // A double click on a language name: the reveal phrase in the answer box becomes the word.
    void reveal();

private:
    void nasta();
    void ratta();
    void raknaut();
    void showVocabularySize();
    bool showPicture(const QString &name);
    bool senasteovn();

    platform::Desktop &desktop_;
    modulePlugo &module_;
    web::WebCommands &web_;
    PlugoView &view_;
    vocabulary::Ovning ovning_;
    QString filnamn_;
    QString procenttext_;
};

}  // namespace shell
