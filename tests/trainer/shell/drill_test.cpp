// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows1252.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "trainer/shell/drill.h"
#include "trainer/shell/moduleplugo.h"
#include "trainer/shell/plugoview.h"
#include "trainer/shell/recentfiles.h"
#include "trainer/vocabulary/statistik.h"

#include <QFile>
#include <gtest/gtest.h>

using testing_support::ScriptedDesktop;
using testing_support::TempFolder;

namespace {

// The main window as the drill and the recent list see it: what they last showed.
struct RecordedView final : shell::PlugoView {
    QString caption, sprak1, sprak2, prompt, feedback, words, meanings, answer, next, nextMenu;
    vocabulary::Statistik statistik;
    bool picture = false, readOnly = true, nextEnabled = false, checkEnabled = false;
    QString focus;
    QStringList captions, paths;
    int menuShown = 0;

    QWidget *dialogOwner() override { return nullptr; }
    void setCaption(const QString &text) override { caption = text; }
    void setLanguageNames(const QString &a, const QString &b) override { sprak1 = a, sprak2 = b; }
    void setPrompt(const QString &text) override { prompt = text; }
    void setFeedback(const QString &text) override { feedback = text; }
    void setVocabularySize(const QString &w, const QString &m) override { words = w, meanings = m; }
    void showStatistics(const vocabulary::Statistik &s) override { statistik = s; }
    void showPicture(const QImage &) override { picture = true; }
    void clearPicture() override { picture = false; }
    QString answerText() const override { return answer; }
    void setAnswerText(const QString &text) override { answer = text; }
    void clearAnswer() override { answer.clear(); }
    void setAnswerReadOnly(bool value) override { readOnly = value; }
    void setNextCaption(const QString &text) override { next = nextMenu = text; }
    void setNextButtonCaption(const QString &text) override { next = text; }
    void setNextEnabled(bool value) override { nextEnabled = value; }
    void setCheckEnabled(bool value) override { checkEnabled = value; }
    void focusNext() override { focus = "next"; }
    void focusAnswer() override { focus = "answer"; }
    void showRecentFiles(const QStringList &c, const QStringList &p) override { captions = c, paths = p, ++menuShown; }
};

class DrillTest : public ::testing::Test {
protected:
    DrillTest()
    {
        desktop.folder = folder.path();
        testing_support::installPictures(folder.path());
        module.start(desktop);
    }

    QString vocabularyFile(const QString &name, const QString &text)
    {
        return folder.write(name, platform::encodeWindows1252(text).value());
    }

    TempFolder folder;
    ScriptedDesktop desktop;
    shell::modulePlugo module;
    web::WebCommands web{desktop};
    RecordedView view;
    shell::Drill drill{desktop, module, web, view, 7u};
};

}  // namespace

TEST_F(DrillTest, ALoadShowsTheVocabularyReadyToBegin)
{
    const QString path = vocabularyFile("sv.gls", "[Svenska-Engelska]\r\nhund,dog$hound$\r\nkatt,cat$\r\n");
    ASSERT_TRUE(drill.oppnadirekt(path));
    EXPECT_EQ(view.caption, "PlugoPro 1.00 - " + path);
    EXPECT_EQ(QStringList({view.sprak1, view.sprak2, view.words, view.meanings, view.statistik.kvar, view.next}),
              QStringList(
                  {"Svenska", "Engelska", "Svenska glosor: 2", "Engelska betydelser: 3", "Kvar att öva: 3", "Börja"}));
    EXPECT_TRUE(view.nextEnabled);
    EXPECT_FALSE(view.checkEnabled);
    EXPECT_EQ(view.focus, "next");
    EXPECT_FALSE(drill.oppnadirekt(folder.file("missing.gls")));
    EXPECT_EQ(drill.filnamn(), path) << "a failed load changes nothing";
}

TEST_F(DrillTest, EachAnswerIsCheckedOnceAndShown)
{
    struct Row {
        QString typed;
        QString feedback, gjorda, fel;
        bool checked;
    };
    const Row rows[] = {
        {"hund", "Rätt svar!", "Gjorda: 1", "Fel: 0", true},
        {"  hund ", "Rätt svar!", "Gjorda: 1", "Fel: 0", true},
        {"Hund", "Rätt svar: hund", "Gjorda: 1", "Fel: 1", true},
        {"   ", "", "Gjorda: 0", "Fel: 0", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        drill.oppnadirekt(vocabularyFile("sv.gls", "[Svenska-Engelska]\r\nhund,dog$hound$\r\n"));
        view.feedback.clear();
        view.picture = false;
        drill.nextQuestion();
        ASSERT_EQ(view.focus, "answer");
        view.answer = row.typed;
        drill.check();
        drill.check();  // a second check of the same question counts nothing
        EXPECT_EQ(view.feedback, row.feedback);
        EXPECT_EQ(view.statistik.gjorda, row.gjorda);
        EXPECT_EQ(view.statistik.fel, row.fel);
        EXPECT_EQ(view.picture, row.checked);
        EXPECT_EQ(view.checkEnabled, !row.checked);
        EXPECT_EQ(view.focus, row.checked ? "next" : "answer");
    }
}

TEST_F(DrillTest, TheLastAnswerWritesTheReportAndStartsANewPass)
{
    drill.oppnadirekt(vocabularyFile("sv.gls", "[Svenska-Engelska]\r\nhund,dog$\r\n"));
    drill.nextQuestion();
    view.answer = "hund";
    drill.check();
    EXPECT_TRUE(folder.exists("latest_practice.html"));
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][1], "Alla glosor klara");
    EXPECT_EQ(QStringList({view.next, view.nextMenu, view.prompt, view.feedback, view.answer, view.statistik.gjorda}),
              QStringList({"Börja", "Nästa", "", "", "", "Gjorda: 0"}));
    EXPECT_FALSE(view.picture);
    EXPECT_EQ(drill.ovning().antalfragor(), 0);
}

TEST_F(DrillTest, MessagesInsteadOfAQuestionOrACheck)
{
    const QString empty = vocabularyFile("tom.gls", "[Svenska-Engelska]\r\n");
    drill.oppnadirekt(empty);
    drill.nextQuestion();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][1], "Inga Glosor finns!");

    drill.oppnadirekt(vocabularyFile("sv.gls", "[Svenska-Engelska]\r\nhund,dog$\r\n"));
    drill.nextQuestion();
    QFile::remove(folder.file("smiling.gif"));
    view.answer = "hund";
    drill.check();
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][2], "16");
    EXPECT_EQ(view.statistik.gjorda, "Gjorda: 0") << "counted only when the check is finished";
    EXPECT_TRUE(drill.ovning().questionOnShow());
}

// --- The recent-files list -------------------------------------------------------------------

TEST_F(DrillTest, RecentFilesReadFromTheFile)
{
    const QString a = vocabularyFile("a.gls", "[A-B]\r\n");
    const QString b = vocabularyFile("b.gls", "[A-B]\r\n");
    struct Row {
        const char *name;
        QByteArray file;  // nothing: no file at all
        QStringList shown;
        int menuShown;
    };
    const Row rows[] = {
        {"no file", QByteArray(), {}, 0},
        {"two files", (a + "\r\n" + b + "\r\n").toUtf8(), {a, b}, 1},
        {"a vanished file drops out", (a + "\r\n" + folder.file("c.gls") + "\r\n" + b).toUtf8(), {a, b}, 1},
        {"no listed file exists", "/gone.gls\r\n", {}, 0},
        {"only the first 64 KiB are read", QByteArray(64 * 1024, ' ') + a.toUtf8(), {}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(folder.file("recentg.txt"));
        if (!row.file.isNull())
            folder.write("recentg.txt", row.file);
        RecordedView menu;
        shell::RecentFiles recent(desktop, module, menu);
        recent.load();
        EXPECT_EQ(recent.list().entries(), row.shown);
        EXPECT_EQ(menu.paths, row.shown);
        EXPECT_EQ(menu.menuShown, row.menuShown);
    }
}

TEST_F(DrillTest, RecentFilesPickAndKeep)
{
    const QString a = vocabularyFile("a.gls", "[A-B]\r\n");
    const QString b = vocabularyFile("b.gls", "[A-B]\r\n");
    module.barafilnamn = 1;
    shell::RecentFiles recent(desktop, module, view);
    recent.tidigare(a);
    recent.tidigare(b);
    recent.tidigare(a);
    EXPECT_EQ(view.captions, QStringList({"a.gls", "b.gls"}));

    EXPECT_EQ(recent.pick("<tomt>", a), std::nullopt);
    EXPECT_EQ(recent.pick("a.gls", a), a);
    QFile::remove(b);
    EXPECT_EQ(recent.pick("b.gls", b), std::nullopt) << "gone since the menu was built";
    EXPECT_EQ(view.paths, QStringList({a}));

    recent.save();
    EXPECT_EQ(folder.read("recentg.txt"), (a + "\r\n").toUtf8());
}
