// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill.h"

#include "moduleplugo.h"
#include "platform/desktop.h"
#include "platform/product.h"
#include "plugoview.h"
#include "trainer/vocabulary/statistik.h"
#include "trainer/vocabulary/texts.h"

namespace shell {

using platform::trimSpaces;

web::PageSettings pageSettings(const modulePlugo &module)
{
    return {module.farg, module.textstorlek, module.programmapp, module.keptFolderPath()};
}

Drill::Drill(platform::Desktop &desktop, modulePlugo &module, web::WebCommands &web, PlugoView &view,
             std::uint32_t seed)
    : desktop_(desktop), module_(module), web_(web), view_(view), ovning_(seed)
{
}

// --- Loading ---------------------------------------------------------------------------------

bool Drill::oppna()
{
    platform::FileDialogOptions options;
    options.title = QStringLiteral("glosfil skall öppnas");
    options.filter = QStringLiteral("glosfil (*.gls)|*.gls");
    const platform::FileDialogResult chosen = desktop_.openFileDialog(view_.dialogOwner(), options);
    // A cancelled or failed load leaves everything as it was.
    return !chosen.cancelled && oppnadirekt(chosen.path);
}

bool Drill::oppnadirekt(const QString &path)
{
    vocabulary::LoadResult loaded = vocabulary::loadVocabularyFile(path);
    if (!loaded.glosor)
        return false;

    // The whole file has been read: only now does the drill in progress end.
    ovning_.take(std::move(*loaded.glosor));
    filnamn_ = path;
    view_.clearAnswer();

    const vocabulary::Glosor &glosor = ovning_.glosor();
    view_.setLanguageNames(glosor.sprak1, glosor.sprak2);
    showVocabularySize();
    view_.setCaption(platform::productTitle() + QStringLiteral(" - ") + trimSpaces(filnamn_));
    raknaut();
    view_.setPrompt(QString());
    view_.setNextCaption(QStringLiteral("Börja"));
    view_.setNextEnabled(true);
    // A question of the old vocabulary can no longer be checked.
    view_.setCheckEnabled(false);
    view_.setAnswerReadOnly(true);
    view_.focusNext();
    return true;
}

// --- Asking ----------------------------------------------------------------------------------

void Drill::nextQuestion()
{
    if (ovning_.questionOnShow())
        return;
    // No words, or words without a single meaning: there is nothing to ask.
    if (ovning_.antalord() == 0 || !ovning_.hasUnasked()) {
        desktop_.messageBox(view_.dialogOwner(), vocabulary::emptyVocabularyText(filnamn_),
                            vocabulary::emptyVocabularyTitle(), platform::MsgOk);
        return;
    }
    nasta();
}

void Drill::nasta()
{
    if (!ovning_.nasta())
        return;
    view_.setPrompt(ovning_.prompt());
    view_.setNextCaption(QStringLiteral("Nästa"));
    view_.setNextEnabled(false);
    view_.setCheckEnabled(true);
    view_.setAnswerReadOnly(false);
    view_.clearAnswer();
    view_.focusAnswer();
}

void Drill::reveal()
{
    if (ovning_.ordnr() == 0)
        return;
    if (trimSpaces(view_.answerText()) == vocabulary::revealPhrase())
        view_.setAnswerText(ovning_.post(ovning_.ordnr()).ord);
}

// --- Checking --------------------------------------------------------------------------------

void Drill::check()
{
    if (trimSpaces(view_.answerText()).isEmpty()) {
        view_.focusAnswer();
        return;
    }
    // Never a second check of the same question.
    if (ovning_.questionOnShow())
        ratta();
}

void Drill::ratta()
{
    const bool right = ovning_.isRight(view_.answerText());
    ovning_.count(right);
    view_.setFeedback(right ? vocabulary::rightAnswerText() : vocabulary::wrongAnswerText(ovning_.answer()));
    if (!showPicture(right ? QStringLiteral("smiling.gif") : QStringLiteral("argtant.gif"))) {
        // The question stays on show to be checked again, and must then be counted once only.
        ovning_.uncount(right);
        desktop_.messageBox(view_.dialogOwner(), vocabulary::checkFailedText(), vocabulary::checkFailedTitle(),
                            platform::MsgOkStop);
        return;
    }
    if (!right)
        ovning_.markMissed();
    ovning_.finishQuestion();
    raknaut();
    view_.setNextEnabled(true);
    view_.setCheckEnabled(false);
    view_.setNextButtonCaption(QStringLiteral("Nästa"));

    if (ovning_.drillEnded()) {
        // The drill ends even when its report could not be written.
        if (!senasteovn())
            desktop_.messageBox(view_.dialogOwner(), vocabulary::checkFailedText(), vocabulary::checkFailedTitle(),
                                platform::MsgOkStop);
        const vocabulary::Glosor &glosor = ovning_.glosor();
        desktop_.messageBox(view_.dialogOwner(),
                            vocabulary::endOfDrillText(glosor.sprak1, glosor.sprak2, ovning_.antalratt(),
                                                       ovning_.summabet(), procenttext_),
                            vocabulary::endOfDrillTitle(), platform::MsgOk);
        ovning_.newDrill();
        view_.clearPicture();
        showVocabularySize();
        view_.clearAnswer();
        view_.setPrompt(QString());
        view_.setFeedback(QString());
        raknaut();
        view_.setNextButtonCaption(QStringLiteral("Börja"));
    }
    view_.focusNext();
    view_.setAnswerReadOnly(true);
}

bool Drill::showPicture(const QString &name)
{
    const QString path = module_.fileInFolder(name);
    if (!desktop_.fileExists(path))
        return false;
    const std::optional<QImage> picture = desktop_.loadPicture(path);
    if (!picture)
        return false;
    view_.showPicture(*picture);
    return true;
}

bool Drill::senasteovn()
{
    return web_.senasteovn(pageSettings(module_), ovning_, filnamn_, procenttext_);
}

// --- What the labels show --------------------------------------------------------------------

void Drill::showVocabularySize()
{
    const vocabulary::Glosor &glosor = ovning_.glosor();
    view_.setVocabularySize(glosor.sprak1 + QStringLiteral(" glosor: ") + QString::number(ovning_.antalord()),
                            glosor.sprak2 + QStringLiteral(" betydelser: ") + QString::number(ovning_.summabet()));
}

void Drill::raknaut()
{
    const vocabulary::Statistik s = vocabulary::raknaut(ovning_.antalratt(), ovning_.antalfel(), ovning_.summabet());
    procenttext_ = s.procenttext;
    view_.showStatistics(s);
}

}  // namespace shell
