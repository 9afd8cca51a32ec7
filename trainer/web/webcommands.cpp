// SPDX-License-Identifier: GPL-3.0-or-later
#include "webcommands.h"

#include "pages.h"
#include "pagetext.h"
#include "platform/atomicfile.h"
#include "platform/desktop.h"
#include "trainer/vocabulary/ovning.h"

namespace web {

using platform::trimSpaces;

namespace {

const QString kPageFilter = QStringLiteral("html fil (*.html)|*.html");

}  // namespace

QString noVocabularyText()
{
    return QStringLiteral("Du måste öppna en glosfil (*.gls) för att kunna spara som webbsida!");
}

QString noVocabularyTitle()
{
    return QStringLiteral("Ingen glosfil öppnad");
}

QString pageNotSavedText(const QString &path)
{
    return QStringLiteral("Websidan kunde inte sparas som\n\"") + path
        + QStringLiteral("\".\nVälj en annan mapp eller ett annat namn och försök igen.");
}

QString pageNotSavedTitle()
{
    return QStringLiteral("Kunde inte spara");
}

QString noReportText()
{
    return QStringLiteral("Någon senaste övning finns inte sparad. Gör en ny övning först.");
}

QString noReportTitle()
{
    return QStringLiteral("Ingen övning sparad");
}

WebCommands::WebCommands(platform::Desktop &desktop) : desktop_(desktop) {}

QString WebCommands::reportPath(const PageSettings &settings)
{
    return platform::pathInFolder(settings.keptFolder, QStringLiteral("latest_practice.html"));
}

PageContext WebCommands::context(const PageSettings &settings, const QString &filnamn) const
{
    // One reading of the clock, so the date and the time belong together.
    const QDateTime now = desktop_.now();
    PageContext context;
    context.filnamn = filnamn;
    context.farg = settings.farg;
    context.textstorlek = settings.textstorlek;
    context.date = platform::formatDateTime(desktop_, now, u"ddddd");
    context.time = platform::formatDateTime(desktop_, now, u"hh:nn");
    return context;
}

bool WebCommands::senasteovn(const PageSettings &settings, const vocabulary::Ovning &ovning, const QString &filnamn,
                             const QString &procenttext)
{
    const QByteArray page = latestPracticePage(ovning.glosor(), DrillResult{ovning.antalratt(), procenttext},
                                               context(settings, filnamn));
    // Written whole or not at all: a failure leaves the report of the drill before.
    return platform::writeFileAtomically(reportPath(settings), page);
}

void WebCommands::sparaweb(QWidget *owner, const PageSettings &settings, const vocabulary::Ovning &ovning,
                           const QString &filnamn)
{
    if (trimSpaces(filnamn).isEmpty()) {
        desktop_.messageBox(owner, noVocabularyText(), noVocabularyTitle(), platform::MsgOkWarning);
        return;
    }
    const PageContext pageContext = context(settings, filnamn);

    platform::FileDialogOptions options;
    options.filter = kPageFilter;
    options.confirmOverwrite = true;
    options.presetName = basnamn(filnamn);
    options.title = QStringLiteral("Glosfil (*.gls) konverteras till html format");
    const platform::FileDialogResult chosen = desktop_.saveFileDialog(owner, options);
    if (chosen.cancelled)
        return;

    // The path exactly as chosen: no extension is added and nothing is trimmed.
    if (!platform::writeFileAtomically(chosen.path, vocabularyPage(ovning.glosor(), pageContext)))
        desktop_.messageBox(owner, pageNotSavedText(chosen.path), pageNotSavedTitle(), platform::MsgOkWarning);
}

void WebCommands::oppnaweb(QWidget *owner, const PageSettings &settings)
{
    platform::FileDialogOptions options;
    options.filter = kPageFilter;
    options.title = QStringLiteral("Webbsida öppnas av din webbläsare");
    const platform::FileDialogResult chosen = desktop_.openFileDialog(owner, options);
    // Cancelling, or a dialog that names nothing, ends the command without a word.
    if (chosen.cancelled)
        return;
    const QString path = trimSpaces(chosen.path);
    if (path.isEmpty())
        return;
    desktop_.openDocument(owner, path, settings.programFolder);
}

void WebCommands::ovning(QWidget *owner, const PageSettings &settings)
{
    const QString path = reportPath(settings);
    if (!desktop_.fileExists(trimSpaces(path))) {
        desktop_.messageBox(owner, noReportText(), noReportTitle(), platform::MsgOk);
        return;
    }
    desktop_.openDocument(owner, path, settings.programFolder);
}

}  // namespace web
