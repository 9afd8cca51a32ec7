// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/namedchild.h"
#include "support/nofilegrowth.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "testpages.h"
#include "trainer/shell/frmplugo.h"
#include "trainer/shell/moduleplugo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace webtest;
using testing_support::ScriptedDesktop;
using testing_support::TempFolder;

namespace {

const QString kEnglishHeader = QStringLiteral("[Svenska-Engelska]");
const QString kReport = QStringLiteral("latest_practice.html");

const QStringList kCheckFailed = {
    "Ett fel har inträffat. Kanske har bilderna\n\"argtant.gif\" eller \"smiling.gif\" kommit bort eller blivit skadade.",
    "Ett fel har inträffat", "16"};

QStringList endOfDrill(int antalratt, const QString &procent)
{
    return {QStringLiteral("Du kunde det Svenska ordet för det Engelska ordet %1 %2 av 7 möjliga.\n%3.")
                .arg(antalratt)
                .arg(antalratt == 1 ? QStringLiteral("gång") : QStringLiteral("gånger"), procent),
            "Alla glosor klara", "0"};
}

QStringList pageNotSaved(const QString &path)
{
    return {"Websidan kunde inte sparas som\n\"" + path
                + "\".\nVälj en annan mapp eller ett annat namn och försök igen.",
            "Kunde inte spara", "48"};
}

#ifdef Q_OS_UNIX
using testing_support::NoFileGrowth;
#endif

// Types the text key by key, as the pupil would; letters beyond ASCII arrive as text alone.
void typeInto(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// The trainer in a program folder of its own, with the scripted desktop answering.
class Trainer {
public:
    TempFolder folder;
    ScriptedDesktop desktop;
    shell::modulePlugo module;
    std::unique_ptr<shell::frmPlugo> window;

    explicit Trainer(qint16 farg = 0, qint16 textstorlek = 0)
    {
        testing_support::installPictures(folder.path());
        desktop.folder = folder.path();
        start(farg, textstorlek);
    }

    // Starts the program again in the same folder.
    void start(qint16 farg = 0, qint16 textstorlek = 0)
    {
        window.reset();
        window = std::make_unique<shell::frmPlugo>(desktop, module, 20261209);
        // After the window has read its settings at start, as the settings dialog would change them.
        module.farg = farg;
        module.textstorlek = textstorlek;
        window->show();
    }

    template <typename T>
    T *find(const char *name) const
    {
        return testing_support::namedChild<T>(window.get(), QString::fromLatin1(name));
    }

    void click(const char *name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void trigger(const char *name) { find<QAction>(name)->trigger(); }
    QString prompt() const { return find<QLabel>("lblSprak2")->text(); }

    // Writes a vocabulary file into the folder and opens it with "Öppna glosfil".
    QString load(const QString &fileName, const QString &header, const std::vector<Entry> &entries)
    {
        const QString path = folder.write(fileName, vocabularyFile(header, entries));
        desktop.chooseOpen(path);
        click("cmdOpen");
        return path;
    }

    // Asks one question and answers it: wrongly when its meaning is in `missed`. The right answer is
    // found by mapping the prompt back through the words the test wrote. `beforeCheck` runs with
    // the answer typed, just before it is checked.
    void answerOne(const std::vector<Entry> &entries, const QStringList &missed,
                   const std::function<void()> &beforeCheck = {})
    {
        QHash<QString, QString> wordOf;
        for (const Entry &e : entries) {
            for (const QString &m : e.meanings)
                wordOf.insert(m, e.word);
        }
        ASSERT_TRUE(find<QPushButton>("cmdNasta")->isEnabled());
        click("cmdNasta");
        const QString shown = prompt();
        ASSERT_TRUE(wordOf.contains(shown)) << shown.toStdString();
        typeInto(find<QLineEdit>("txtSprak1"), missed.contains(shown) ? QStringLiteral("fel svar") : wordOf[shown]);
        if (beforeCheck)
            beforeCheck();
        click("cmdRatta");
    }

    // Runs a whole drill; `beforeLastCheck` runs just before the last answer is checked.
    void drill(const std::vector<Entry> &entries, const QStringList &missed,
               const std::function<void()> &beforeLastCheck = {})
    {
        int total = 0;
        for (const Entry &e : entries)
            total += static_cast<int>(e.meanings.size());
        for (int asked = 1; asked <= total; ++asked)
            answerOne(entries, missed, asked == total ? beforeLastCheck : std::function<void()>{});
    }

    QStringList files() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    // The drill is over and a new one can start: "Börja" on the button, nothing on show.
    void expectDrillEnded()
    {
        EXPECT_EQ(find<QPushButton>("cmdNasta")->text(), QStringLiteral("Börja"));
        EXPECT_TRUE(find<QPushButton>("cmdNasta")->isEnabled());
        EXPECT_FALSE(find<QPushButton>("cmdRatta")->isEnabled());
        EXPECT_EQ(prompt(), QString());
        EXPECT_EQ(find<QLabel>("lblGjorda")->text(), QStringLiteral("Gjorda: 0"));
    }
};

QStringList allMeanings()
{
    QStringList all;
    for (const Entry &e : englishWords())
        all << e.meanings;
    return all;
}

}  // namespace

// --- The report of a drill -------------------------------------------------------------------

TEST(LatestPractice, EveryDrillWritesItsReport)
{
    struct Row {
        const char *name;
        qint16 farg;
        qint16 textstorlek;
        QStringList missed;
        QString procent;
    };
    QStringList allButCat = allMeanings();
    allButCat.removeAll("cat");
    const Row rows[] = {
        {"all_right", 0, 0, {}, "Procent rätt: 100%"},
        {"one_right", 1, 3, allButCat, "Procent rätt: 14%"},
        {"missed_meanings", 2, 1, {"hound", "cur"}, "Procent rätt: 71%"},
        {"farg3", 3, 2, {"steed"}, "Procent rätt: 86%"},
        {"farg7", 7, 0, {"dog"}, "Procent rätt: 86%"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Trainer trainer(row.farg, row.textstorlek);
        trainer.load("engelska.gls", kEnglishHeader, englishWords());
        trainer.drill(englishWords(), row.missed);

        EXPECT_TRUE(matchesGolden(trainer.folder.read(kReport), QStringLiteral("report_%1.html").arg(row.name)));
        const int antalratt = 7 - static_cast<int>(row.missed.size());
        EXPECT_EQ(trainer.desktop.messages(), std::vector<QStringList>{endOfDrill(antalratt, row.procent)});
        trainer.expectDrillEnded();

        // The vocabulary page of the same words in the same settings.
        trainer.desktop.chooseSave(trainer.folder.file("glosor.html"));
        trainer.trigger("mnuSparaweb");
        EXPECT_TRUE(matchesGolden(trainer.folder.read("glosor.html"),
                                  QStringLiteral("vocabulary_farg%1_size%2.html").arg(row.farg).arg(row.textstorlek)));
    }
}

TEST(LatestPractice, MarkupInTheVocabularyIsShownNotObeyed)
{
    Trainer trainer;
    // A name a file can have on Windows too, which has no "<" or ">" in its file names.
    trainer.load(QStringLiteral("a&b &lt;c&gt; Ωmega.gls"), QStringLiteral("[Svenska & \"latin\"-<Engelska>]"),
                 markupWords());
    trainer.drill(markupWords(), {"<script>alert(1)</script>"});
    EXPECT_TRUE(matchesGolden(trainer.folder.read(kReport), "report_escaped.html"));

    trainer.desktop.chooseSave(trainer.folder.file("glosor.html"));
    trainer.trigger("mnuSparaweb");
    EXPECT_TRUE(matchesGolden(trainer.folder.read("glosor.html"), "vocabulary_escaped.html"));
    EXPECT_EQ(trainer.desktop.callsOf("saveFileDialog").at(0).args.at(2), QStringLiteral("a&b &lt;c&gt; Ωmega"))
        << "the dialog proposes the name as it is";
}

TEST(LatestPractice, ASecondDrillReplacesTheReport)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.drill(englishWords(), {});
    ASSERT_TRUE(matchesGolden(trainer.folder.read(kReport), "report_all_right.html"));

    trainer.desktop.clock = QDateTime(QDate(2026, 12, 10), QTime(8, 30, 59));
    trainer.desktop.shortDateText = "2026-12-10";
    trainer.drill(englishWords(), allMeanings());
    EXPECT_TRUE(matchesGolden(trainer.folder.read(kReport), "report_second_drill.html"));
    EXPECT_EQ(trainer.files(), (QStringList{"argtant.gif", "engelska.gls", kReport, "plugo.slg", "smiling.gif"}))
        << "no temporary file is left";
    EXPECT_EQ(trainer.desktop.messages().size(), 2u);
    trainer.expectDrillEnded();
}

TEST(LatestPractice, AReportThatCannotBeWrittenStillEndsTheDrill)
{
    Trainer trainer;
    ASSERT_TRUE(QDir(trainer.folder.path()).mkdir(kReport));
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.drill(englishWords(), {"cat"});

    EXPECT_EQ(trainer.desktop.messages(), (std::vector<QStringList>{kCheckFailed, endOfDrill(6, "Procent rätt: 86%")}));
    trainer.expectDrillEnded();
    EXPECT_TRUE(QFileInfo(trainer.folder.file(kReport)).isDir());
    EXPECT_EQ(trainer.files(), (QStringList{"argtant.gif", "engelska.gls", kReport, "plugo.slg", "smiling.gif"}));

    // A new drill starts over every meaning.
    trainer.answerOne(englishWords(), {});
    EXPECT_EQ(trainer.find<QLabel>("lblKvar")->text(), QStringLiteral("Kvar att öva: 6"));
}

#ifdef Q_OS_UNIX
TEST(LatestPractice, AFailedWriteLeavesThePreviousReportWhole)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.drill(englishWords(), {});
    ASSERT_TRUE(matchesGolden(trainer.folder.read(kReport), "report_all_right.html"));

    trainer.desktop.clock = QDateTime(QDate(2026, 12, 10), QTime(8, 30));
    std::unique_ptr<NoFileGrowth> full;
    trainer.drill(englishWords(), {"dog", "bird"}, [&] { full = std::make_unique<NoFileGrowth>(); });
    full.reset();

    const std::vector<QStringList> messages = trainer.desktop.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1], kCheckFailed);
    EXPECT_EQ(messages[2], endOfDrill(5, "Procent rätt: 71%"));
    trainer.expectDrillEnded();
    EXPECT_TRUE(matchesGolden(trainer.folder.read(kReport), "report_all_right.html"));
    EXPECT_EQ(trainer.files(), (QStringList{"argtant.gif", "engelska.gls", kReport, "plugo.slg", "smiling.gif"}));
}
#endif

// --- "Spara som websida" ---------------------------------------------------------------------

TEST(SparaWeb, NothingLoadedGivesTheWarningAndNoDialog)
{
    Trainer trainer;
    const QStringList before = trainer.files();
    trainer.trigger("mnuSparaweb");
    const QStringList warning{"Du måste öppna en glosfil (*.gls) för att kunna spara som webbsida!",
                              "Ingen glosfil öppnad", "48"};
    EXPECT_EQ(trainer.desktop.messages(), std::vector<QStringList>{warning});
    EXPECT_TRUE(trainer.desktop.callsOf("saveFileDialog").empty());
    EXPECT_EQ(trainer.files(), before);
}

TEST(SparaWeb, TheDialogIsSetUpAndCancelWritesNothing)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    const QStringList before = trainer.files();
    trainer.desktop.cancelSave();
    trainer.trigger("mnuSparaweb");

    const auto dialogs = trainer.desktop.callsOf("saveFileDialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].args, (QStringList{"Glosfil (*.gls) konverteras till html format", "html fil (*.html)|*.html",
                                            "engelska", "overwrite-prompt"}));
    EXPECT_EQ(trainer.files(), before);
    EXPECT_TRUE(trainer.desktop.messages().empty());
    EXPECT_TRUE(trainer.desktop.callsOf("openDocument").empty()) << "the page is not opened";
}

TEST(SparaWeb, ThePageLandsAtExactlyTheChosenPath)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    for (const QString &name :
         {QStringLiteral("engelska"), QStringLiteral("sida.html"), QStringLiteral(" med mellanslag.html ")}) {
        trainer.desktop.chooseSave(trainer.folder.file(name));
        trainer.trigger("mnuSparaweb");
        EXPECT_TRUE(matchesGolden(trainer.folder.read(name), "vocabulary_farg0_size0.html")) << name.toStdString();
    }
    EXPECT_EQ(trainer.files(), (QStringList{" med mellanslag.html ", "argtant.gif", "engelska", "engelska.gls",
                                            "plugo.slg", "sida.html", "smiling.gif"}));
    EXPECT_TRUE(trainer.desktop.messages().empty());
}

TEST(SparaWeb, APageDuringADrillLeavesTheDrillAlone)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.answerOne(englishWords(), allMeanings());  // one miss
    trainer.answerOne(englishWords(), {});
    trainer.desktop.chooseSave(trainer.folder.file("glosor.html"));
    trainer.trigger("mnuSparaweb");
    EXPECT_TRUE(matchesGolden(trainer.folder.read("glosor.html"), "vocabulary_farg0_size0.html")) << "no miss shows";
    EXPECT_EQ(trainer.find<QLabel>("lblGjorda")->text(), QStringLiteral("Gjorda: 2"));
    EXPECT_EQ(trainer.find<QPushButton>("cmdNasta")->text(), QStringLiteral("Nästa"));
    EXPECT_FALSE(trainer.folder.exists(kReport));
}

TEST(SparaWeb, APageThatCannotBeWrittenSaysSoAndChangesNothing)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.answerOne(englishWords(), {});
    const QString shown = trainer.prompt();
    ASSERT_TRUE(QDir(trainer.folder.path()).mkdir("mapp.html"));
    const QStringList before = trainer.files();

    const QString targets[] = {trainer.folder.file("saknas/glosor.html"), trainer.folder.file("mapp.html")};
    for (const QString &target : targets) {
        trainer.desktop.calls.clear();
        trainer.desktop.chooseSave(target);
        trainer.trigger("mnuSparaweb");
        EXPECT_EQ(trainer.desktop.messages(), std::vector<QStringList>{pageNotSaved(target)});
        EXPECT_EQ(trainer.desktop.calls.size(), 2u) << "the dialog and the message, nothing else";
    }
    EXPECT_EQ(trainer.files(), before);
    EXPECT_TRUE(QFileInfo(trainer.folder.file("mapp.html")).isDir());
    EXPECT_EQ(trainer.prompt(), shown);
    EXPECT_TRUE(trainer.find<QPushButton>("cmdNasta")->isEnabled());
    EXPECT_EQ(trainer.find<QLabel>("lblRatt")->text(), QStringLiteral("Rätt: 1"));
}

#ifdef Q_OS_UNIX
TEST(SparaWeb, AFailedWriteLeavesTheOldPageWhole)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    const QString target = trainer.folder.write("glosor.html", "the page saved before\r\n");
    trainer.desktop.chooseSave(target);
    {
        NoFileGrowth full;
        trainer.trigger("mnuSparaweb");
    }
    EXPECT_EQ(trainer.desktop.messages(), std::vector<QStringList>{pageNotSaved(target)});
    EXPECT_EQ(trainer.folder.read("glosor.html"), QByteArray("the page saved before\r\n"));
    EXPECT_EQ(trainer.files(), (QStringList{"argtant.gif", "engelska.gls", "glosor.html", "plugo.slg", "smiling.gif"}));
}
#endif

// --- Opening pages ---------------------------------------------------------------------------

TEST(OppnaWeb, TheChosenPageGoesToTheBrowserWithoutSpaces)
{
    Trainer trainer;
    trainer.desktop.chooseOpen("  /hem/elev/glosor sida.html  ");
    trainer.trigger("mnuOppnaweb");

    const auto dialogs = trainer.desktop.callsOf("openFileDialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].args,
              (QStringList{"Webbsida öppnas av din webbläsare", "html fil (*.html)|*.html", "", "no-prompt"}));
    const auto opened = trainer.desktop.callsOf("openDocument");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].args, (QStringList{"/hem/elev/glosor sida.html", trainer.folder.path()}));
    EXPECT_TRUE(trainer.desktop.messages().empty());
}

TEST(OppnaWeb, CancelEndsSilently)
{
    Trainer trainer;
    trainer.desktop.cancelOpen();
    trainer.trigger("mnuOppnaweb");
    trainer.desktop.chooseOpen("   ");
    trainer.trigger("mnuOppnaweb");
    EXPECT_EQ(trainer.desktop.callsOf("openFileDialog").size(), 2u);
    EXPECT_TRUE(trainer.desktop.callsOf("openDocument").empty());
    EXPECT_TRUE(trainer.desktop.messages().empty());
}

TEST(Ovning, NoReportYetGivesTheMessage)
{
    Trainer trainer;
    trainer.trigger("mnuOvning");
    // A folder by the report's name is no report either.
    ASSERT_TRUE(QDir(trainer.folder.path()).mkdir(kReport));
    trainer.trigger("mnuOvning");
    const QStringList message{"Någon senaste övning finns inte sparad. Gör en ny övning först.", "Ingen övning sparad",
                              "0"};
    EXPECT_EQ(trainer.desktop.messages(), (std::vector<QStringList>{message, message}));
    EXPECT_TRUE(trainer.desktop.callsOf("openDocument").empty());
}

TEST(Ovning, TheLatestReportOpensAlsoAfterARestart)
{
    Trainer trainer;
    trainer.load("engelska.gls", kEnglishHeader, englishWords());
    trainer.drill(englishWords(), {"cur"});
    trainer.trigger("mnuOvning");
    trainer.start();
    trainer.trigger("mnuOvning");

    const QStringList expected{trainer.folder.file(kReport), trainer.folder.path()};
    const auto opened = trainer.desktop.callsOf("openDocument");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].args, expected);
    EXPECT_EQ(opened[1].args, expected);
    EXPECT_EQ(trainer.desktop.messages().size(), 1u) << "only the end of the drill";
}
