#pragma once

#include <QString>

class QWidget;

namespace platform {
class Desktop;
}
namespace shell {
class modulePlugo;
}
namespace vocabulary {
class Ovning;
}

namespace web {

struct PageContext;

// The trainer's web pages: the report of the latest drill, the vocabulary as a page, and handing
// pages to the web browser. The main window's menu commands call these.
class WebCommands {
public:
    WebCommands(platform::Desktop &desktop, const shell::modulePlugo &module);

    // Writes "latest_practice.html" in the program folder from the drill that has just ended.
    // False when the page could not be written; the previous report then stays whole.
    bool senasteovn(const vocabulary::Ovning &ovning, const QString &filnamn, const QString &procenttext);

    // "Spara som websida": the loaded vocabulary as a page where the user chooses.
    void sparaweb(QWidget *owner, const vocabulary::Ovning &ovning, const QString &filnamn);

    // "Öppna websida": any page the user picks, in the web browser.
    void oppnaweb(QWidget *owner);

    // "Öppna senaste övning som websida": the latest report in the web browser.
    void ovning(QWidget *owner);

    // Where the report of the latest drill lies.
    QString reportPath() const;

private:
    PageContext context(const QString &filnamn) const;

    platform::Desktop &desktop_;
    const shell::modulePlugo &module_;
};

// The messages of the web commands.
QString noVocabularyText();
QString noVocabularyTitle();
QString pageNotSavedText(const QString &path);
QString pageNotSavedTitle();
QString noReportText();
QString noReportTitle();

}  // namespace web
