// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {
class Desktop;
}
namespace vocabulary {
class Ovning;
}

namespace web {

struct PageContext;

// What the page commands need of the trainer's settings and folders, as they are when a command runs.
struct PageSettings {
    qint16 farg = 0;         // colour scheme of the pages
    qint16 textstorlek = 0;  // text size of the words
    QString programFolder;   // the folder of the running program
    QString keptFolder;      // where the trainer keeps the files it writes, the report among them
};

// The trainer's web pages: the report of the latest drill, the vocabulary as a page, and handing
// pages to the web browser. The main window's menu commands call these.
class WebCommands {
public:
    explicit WebCommands(platform::Desktop &desktop);

    // Writes "latest_practice.html" in the kept folder from the drill that has just ended.
    // False when the page could not be written; the previous report then stays whole.
    bool senasteovn(const PageSettings &settings, const vocabulary::Ovning &ovning, const QString &filnamn,
                    const QString &procenttext);

    // "Spara som websida": the loaded vocabulary as a page where the user chooses.
    void sparaweb(QWidget *owner, const PageSettings &settings, const vocabulary::Ovning &ovning,
                  const QString &filnamn);

    // "Öppna websida": any page the user picks, in the web browser.
    void oppnaweb(QWidget *owner, const PageSettings &settings);

    // "Öppna senaste övning som websida": the latest report in the web browser.
    void ovning(QWidget *owner, const PageSettings &settings);

    // Where the report of the latest drill lies.
    static QString reportPath(const PageSettings &settings);

private:
    PageContext context(const PageSettings &settings, const QString &filnamn) const;

    platform::Desktop &desktop_;
};

// The messages of the web commands.
QString noVocabularyText();
QString noVocabularyTitle();
QString pageNotSavedText(const QString &path);
QString pageNotSavedTitle();
QString noReportText();
QString noReportTitle();

}  // namespace web
