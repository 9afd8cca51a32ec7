// SPDX-License-Identifier: GPL-3.0-or-later
#include "updaterwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using testing_support::faultReply;
using testing_support::okReply;
using testing_support::ServerReply;
using testing_support::statusReply;
using testing_support::UpdaterWindowTest;

namespace {

const QStringList kFailure{QStringLiteral("Ett fel inträffade vid nedladdningen av de uppdaterade programmen.\n"
                                          "Var vänlig och försök igen"),
                           QStringLiteral("Ett fel uppstod"), QStringLiteral("0")};

QStringList question(int row)
{
    const char *texts[] = {"Vill du ladda ner en uppdatering till Plugo (plugo.exe)?",
                           "Vill du ladda ner en uppdatering till Plugoredigeraren (editor.exe)?",
                           "Vill du ladda ner en uppdatering till Update (update.exe)?"};
    return {QString::fromUtf8(texts[row]), QStringLiteral("Uppdatering laddas ner!"), QStringLiteral("49")};
}

QStringList done(const QString &fileName)
{
    return {fileName + QStringLiteral(" har laddats ner.\nKlicka på filen för att uppdatera."),
            QStringLiteral("Nerladdning klar"), QStringLiteral("0")};
}

QByteArray installer(char fill, int size = 300000)
{
    QByteArray bytes(size, fill);
    bytes.replace(0, 2, "MZ");
    return bytes;
}

QStringList filesIn(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class DownloadTest : public UpdaterWindowTest {
protected:
    // A check that offers the products whose server date is newer.
    void offer(bool plugo, bool editor, bool update)
    {
        installProducts(QDateTime(QDate(2026, 1, 10), QTime(9, 0)));
        const QString newer = "26 01 11", same = "26 01 10";
        serveVersion((plugo ? newer : same) + '$' + (editor ? newer : same) + '$' + (update ? newer : same) + "£");
        check();
        desktop.calls.clear();
        statusTexts.clear();
        server.route("/~tovald/plugo3/plugo_upd.exe", okReply(installer('p')));
        server.route("/~tovald/plugo3/editor_upd.exe", okReply(installer('e', 1000), false));
        server.route("/~tovald/plugo3/update_upd.exe", okReply(installer('u', 5000)));
    }

    std::vector<QByteArray> installerRequests() const
    {
        std::vector<QByteArray> found;
        for (const QByteArray &path : server.requests())
            if (path.endsWith("_upd.exe"))
                found.push_back(path);
        return found;
    }

    void update() { QTest::mouseClick(button("cmdUppdatera"), Qt::LeftButton); }
};

}  // namespace

TEST_F(DownloadTest, MenuBeforeAnyCheckDoesNothing)
{
    action("mnuUppdatera")->trigger();
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
}

TEST_F(DownloadTest, OkForTwoProducts)
{
    offer(true, false, true);
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    desktop.chooseSave(downloads.file("nya update.exe"));
    std::vector<bool> updateEnabledAtMessages;
    desktop.onMessage = [&](const QString &) { updateEnabledAtMessages.push_back(button("cmdUppdatera")->isEnabled()); };
    update();

    const auto messages = desktop.messages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0], question(0));
    EXPECT_EQ(messages[1], done("plugo_upd.exe"));
    EXPECT_EQ(messages[2], question(2));
    EXPECT_EQ(messages[3], done("nya update.exe"));
    EXPECT_EQ(updateEnabledAtMessages, (std::vector<bool>{true, true, true, true}))
        << "between the downloads the button is back";

    const auto dialogs = desktop.callsOf("saveFileDialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].args.mid(0, 3), (QStringList{"Spara uppdatering till Plugo (plugo.exe)",
                                                      "Programfiler (*.exe)|*.exe", "plugo_upd.exe"}));
    EXPECT_EQ(dialogs[1].args.mid(0, 3), (QStringList{"Spara uppdatering till Update (update.exe)",
                                                      "Programfiler (*.exe)|*.exe", "update_upd.exe"}));

    EXPECT_EQ(downloads.read("plugo_upd.exe"), installer('p'));
    EXPECT_EQ(downloads.read("nya update.exe"), installer('u', 5000));
    EXPECT_EQ(filesIn(downloads.path()), (QStringList{"nya update.exe", "plugo_upd.exe"}));
    EXPECT_EQ(installerRequests(), (std::vector<QByteArray>{"/~tovald/plugo3/plugo_upd.exe", "/~tovald/plugo3/update_upd.exe"}));

    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
    EXPECT_EQ(label("lblLadda")->text(), "");
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
    EXPECT_FALSE(window->state().laddar);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 300);
    EXPECT_FALSE(label("picAnim")->isVisibleTo(window.get()));
    EXPECT_TRUE(box(0)->isChecked() && box(2)->isChecked()) << "the boxes stay for another run";
}

TEST_F(DownloadTest, BusyDisplayDuringTheDownload)
{
    offer(false, true, false);
    desktop.chooseSave(downloads.file("editor_upd.exe"));
    struct Seen {
        int state;
        QString caption;
        bool laddar, updateEnabled, timerActive, stripVisible;
        int stripWidth, steg;
    };
    std::vector<Seen> seen;
    onState = [&](int state) {
        seen.push_back({state, window->windowTitle(), window->state().laddar, button("cmdUppdatera")->isEnabled(),
                        timer()->isActive(), label("picAnim")->isVisibleTo(window.get()),
                        label("picAnim")->pixmap().width(), window->steg()});
    };
    update();
    ASSERT_FALSE(seen.empty());
    for (const Seen &s : seen) {
        EXPECT_EQ(s.caption, "PlugoPro 1.00 - Update 127.0.0.1") << s.state;
        EXPECT_TRUE(s.laddar) << s.state;
        EXPECT_FALSE(s.updateEnabled) << s.state;
        EXPECT_TRUE(s.timerActive) << s.state;
        EXPECT_TRUE(s.stripVisible) << s.state;
    }
    EXPECT_EQ(statusTexts, (std::vector<QString>{"Letar upp värd...", "Värd hittad", "Ansluter...", "Ansluten!",
                                                 "Anhåller...", "Anhållan skickad", "Mottar svar...",
                                                 "Svar mottagit! Vänta...", "Kopplar från", "Frånkopplad", "Klart!"}));
    // A fresh strip for each download: one blank pixel until the first tick.
    EXPECT_EQ(seen.front().stripWidth, seen.front().steg == 0 ? 1 : seen.front().steg);
    EXPECT_EQ(desktop.messages().back(), done("editor_upd.exe"));
}

TEST_F(DownloadTest, TheStripGrowsWhileTheServerIsSlow)
{
    offer(true, false, false);
    inet.setTimeout(std::chrono::seconds(1));
    server.route("/~tovald/plugo3/plugo_upd.exe", faultReply(ServerReply::Kind::Stall));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    int widest = 0;
    QObject::connect(timer(), &QTimer::timeout, [&] { widest = std::max(widest, label("picAnim")->pixmap().width()); });
    update();
    EXPECT_GE(widest, 6) << "the timer ticked while the fetch waited";
    EXPECT_EQ(widest % 3, 0);
}

TEST_F(DownloadTest, CancelOnTheFirstQuestion)
{
    offer(true, true, false);
    desktop.messageAnswers = {platform::AnswerCancel};
    update();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0)}));
    EXPECT_TRUE(desktop.callsOf("saveFileDialog").empty());
    EXPECT_TRUE(installerRequests().empty());
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update /~tovald/plugo3/version") << "nothing reset";
}

TEST_F(DownloadTest, UncheckedBoxIsSkippedWithoutAQuestion)
{
    offer(true, true, true);
    QTest::mouseClick(box(1), Qt::LeftButton);
    ASSERT_FALSE(box(1)->isChecked());
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    desktop.chooseSave(downloads.file("update_upd.exe"));
    update();
    const auto messages = desktop.messages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0], question(0));
    EXPECT_EQ(messages[2], question(2));
    EXPECT_EQ(installerRequests(), (std::vector<QByteArray>{"/~tovald/plugo3/plugo_upd.exe", "/~tovald/plugo3/update_upd.exe"}));
}

TEST_F(DownloadTest, CancelledSaveDialogEndsQuietly)
{
    offer(true, true, false);
    desktop.cancelSave();
    update();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0)}));
    EXPECT_EQ(desktop.callsOf("saveFileDialog").size(), 1u);
    EXPECT_TRUE(installerRequests().empty());
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty());
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(DownloadTest, FailureInRowZeroEndsTheProcedure)
{
    offer(true, true, true);
    server.route("/~tovald/plugo3/plugo_upd.exe", statusReply(404, "Not Found", "<html>Not Found</html>"));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    update();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0), kFailure}));
    EXPECT_EQ(installerRequests(), std::vector<QByteArray>{"/~tovald/plugo3/plugo_upd.exe"});
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty()) << "an error page is no installer";
    EXPECT_EQ(label("lblLadda")->text(), "");
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
    EXPECT_FALSE(window->state().laddar);
    // The busy display ends with the failure too.
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(label("picAnim")->isVisibleTo(window.get()));
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
}

TEST_F(DownloadTest, BrokenTransfersKeepTheFileAlreadyThere)
{
    struct Row {
        const char *name;
        ServerReply reply;
    };
    ServerReply cutShort = okReply(installer('p', 10000), false);
    cutShort.declaredLength = 20000;
    const std::vector<Row> rows{
        {"reset", faultReply(ServerReply::Kind::Reset)},
        {"stall", faultReply(ServerReply::Kind::Stall)},
        {"stall in the body", faultReply(ServerReply::Kind::StallAfterHeaders)},
        {"cut short", cutShort},
        {"empty body", okReply("")},
        {"server error", statusReply(500, "Internal Server Error", "oops")},
    };
    offer(true, false, false);
    inet.setTimeout(std::chrono::seconds(1));
    downloads.write("plugo_upd.exe", "last month's installer");
    for (const Row &row : rows) {
        server.route("/~tovald/plugo3/plugo_upd.exe", row.reply);
        desktop.calls.clear();
        desktop.chooseSave(downloads.file("plugo_upd.exe"));
        update();
        EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0), kFailure})) << row.name;
        EXPECT_EQ(downloads.read("plugo_upd.exe"), QByteArray("last month's installer")) << row.name;
        EXPECT_EQ(filesIn(downloads.path()), QStringList{"plugo_upd.exe"}) << row.name;
        EXPECT_TRUE(button("cmdUppdatera")->isEnabled()) << row.name;
    }
}

TEST_F(DownloadTest, GoodDownloadReplacesTheOldFile)
{
    offer(true, false, false);
    downloads.write("plugo_upd.exe", "last month's installer");
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    update();
    EXPECT_EQ(downloads.read("plugo_upd.exe"), installer('p'));
    EXPECT_EQ(desktop.callsOf("saveFileDialog").at(0).args.at(3), "overwrite-prompt");
}

TEST_F(DownloadTest, UnwritablePlaceTakesTheFailurePath)
{
    offer(true, false, false);
    QDir(downloads.path()).mkdir("plugo_upd.exe");
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    update();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0), kFailure}));
    EXPECT_TRUE(QFileInfo(downloads.file("plugo_upd.exe")).isDir());
}

TEST_F(DownloadTest, MissingBlankBitmapTakesTheFailurePath)
{
    offer(true, true, false);
    QFile::remove(folder.file("liten.bmp"));
    update();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0), kFailure}));
    EXPECT_TRUE(desktop.callsOf("saveFileDialog").empty());
    EXPECT_TRUE(installerRequests().empty());
}

TEST_F(DownloadTest, MissingStripDoesNotStopTheDownload)
{
    offer(true, false, false);
    QFile::remove(folder.file("ladda.bmp"));
    server.route("/~tovald/plugo3/plugo_upd.exe", faultReply(ServerReply::Kind::StallAfterHeaders));
    inet.setTimeout(std::chrono::seconds(1));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    int ticks = 0;
    QObject::connect(timer(), &QTimer::timeout, [&] { ++ticks; });
    update();
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(window->steg(), 0);
    EXPECT_EQ(desktop.messages().back(), kFailure);
}

TEST_F(DownloadTest, AvslutaDuringADownloadEndsAtOnceAndLeavesNoFile)
{
    offer(true, true, false);
    inet.setTimeout(std::chrono::seconds(30));
    server.route("/~tovald/plugo3/plugo_upd.exe", faultReply(ServerReply::Kind::StallAfterHeaders));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    onState = [this](int state) {
        if (state == 7)
            QTimer::singleShot(50, [this] { action("mnuAvsluta")->trigger(); });
    };
    QElapsedTimer clock;
    clock.start();
    update();
    EXPECT_LT(clock.elapsed(), 10000) << "not the 30 s the stall would take";
    EXPECT_TRUE(desktop.ended);
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty()) << filesIn(downloads.path()).join(",").toStdString();
    EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{question(0)})) << "no failure message, no next question";
}

TEST_F(DownloadTest, ClosingTheWindowDuringADownloadEndsTheProgram)
{
    offer(true, false, false);
    inet.setTimeout(std::chrono::seconds(30));
    server.route("/~tovald/plugo3/plugo_upd.exe", faultReply(ServerReply::Kind::StallAfterHeaders));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    onState = [this](int state) {
        if (state == 7)
            QTimer::singleShot(50, [this] { window->close(); });
    };
    update();
    EXPECT_TRUE(desktop.ended);
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty());
}
