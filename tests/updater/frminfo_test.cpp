// SPDX-License-Identifier: GPL-3.0-or-later
#include "updaterwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using testing_support::UpdaterWindowTest;

namespace {

const QString kIntro = QStringLiteral(
    "Vi rekommenderar att du regelbundet kontrollerar att du har de senaste plugoprodukterna.\n\n"
    "Kontrollera om det finns en nyare version av programmen. Klicka på \"Kontrollera\". Du måste ha en "
    "internetuppkoppling. Finns det en nyare version laddar du hem den genom att klicka på \"Uppdatera\".");
const QString kUpToDate = QStringLiteral("Dina plugoprodukter är uppdaterade. Ingen uppdatering behövs!");
const QString kNoContact = QStringLiteral(
    "En förbindelse kunde inte upprättas med servern. Kontrollera din internetförbindelse och försök igen.");

QString newerText(const QString &row0, const QString &row1, const QString &row2)
{
    return QStringLiteral("Nyare version finns till följande plugoprodukter: \n\n") + row0 + u'\n' + row1 + u'\n' + row2
           + QStringLiteral("\n\nDu rekomenderas att uppdatera. Klicka på \"Uppdatera\"!");
}

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

}  // namespace

// --- The window ------------------------------------------------------------------------------

TEST_F(UpdaterWindowTest, StartsWithEveryControlInPlace)
{
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
    EXPECT_EQ(window->centralWidget()->size(), QSize(555, 354));
    EXPECT_EQ(window->windowIcon().availableSizes(),
              QList<QSize>({QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)}));

    auto *frame = window->findChild<QGroupBox *>("fraUpdate");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Finns det en uppdaterad version?");
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 265, 329));
    EXPECT_EQ(button("cmdKoll")->parentWidget(), frame);
    EXPECT_EQ(label("lblKoll")->parentWidget(), frame);

    EXPECT_EQ(button("cmdKoll")->text(), "Kontrollera");
    EXPECT_EQ(button("cmdKoll")->geometry(), QRect(176, 296, 73, 25));
    EXPECT_TRUE(button("cmdKoll")->isEnabled());
    EXPECT_EQ(label("lblKoll")->text(), kIntro);
    EXPECT_EQ(label("lblKoll")->geometry(), QRect(16, 24, 233, 257));
    EXPECT_EQ(label("lblNyare")->text(), "");
    EXPECT_EQ(label("lblNyare")->geometry(), QRect(288, 24, 233, 137));

    const QStringList captions{"PlugoPro  (plugo.exe)", "Vuzuvevizaduvareziv  (editor.exe)",
                               "Plugo update  (update.exe)"};
    const std::vector<QRect> places{QRect(280, 176, 177, 17), QRect(280, 200, 185, 17), QRect(280, 224, 169, 17)};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(box(row)->text(), captions[row]);
        EXPECT_EQ(box(row)->pos(), places[row].topLeft());
        EXPECT_EQ(box(row)->height(), places[row].height());
        // The drawn width, or wider where the caption would not fit in it; never narrower.
        EXPECT_EQ(box(row)->width(), std::max(places[row].width(), box(row)->sizeHint().width()))
            << "drawn " << places[row].width() << ", caption " << box(row)->sizeHint().width();
        EXPECT_FALSE(box(row)->isEnabled());
        EXPECT_FALSE(box(row)->isChecked());
    }
    // The whole drawn width takes a click, also past the end of a short caption.
    for (int row = 0; row < 3; ++row) {
        box(row)->setEnabled(true);
        QTest::mouseClick(box(row), Qt::LeftButton, {}, QPoint(box(row)->width() - 2, box(row)->height() / 2));
        EXPECT_TRUE(box(row)->isChecked()) << row;
        box(row)->setChecked(false);
        box(row)->setEnabled(false);
    }
    EXPECT_EQ(button("cmdUppdatera")->text(), "Uppdatera");
    EXPECT_EQ(button("cmdUppdatera")->geometry(), QRect(472, 176, 73, 25));
    EXPECT_FALSE(button("cmdUppdatera")->isEnabled());

    QLabel *status = label("lblLadda");
    EXPECT_EQ(status->text(), "");
    EXPECT_EQ(status->geometry(), QRect(280, 272, 257, 49));
    EXPECT_EQ(status->font().family(), "MS Sans Serif");
    EXPECT_TRUE(status->font().bold());
    EXPECT_DOUBLE_EQ(status->font().pointSizeF(), 9.75);

    EXPECT_EQ(label("picAnim")->geometry(), QRect(280, 328, 265, 17));
    EXPECT_FALSE(label("picAnim")->isVisibleTo(window.get()));
    ASSERT_NE(timer(), nullptr);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 0);
    EXPECT_EQ(window->steg(), 0);
    EXPECT_FALSE(window->state().laddar);
}

TEST_F(UpdaterWindowTest, MenusAndTheirItems)
{
    const QList<QAction *> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "Arkiv");
    EXPECT_EQ(menus[0]->menu()->objectName(), "mnuArkiv");
    EXPECT_EQ(menus[1]->text(), "Hjälp");
    EXPECT_EQ(menus[1]->menu()->objectName(), "mnuHelp");

    QStringList arkiv;
    for (QAction *item : menus[0]->menu()->actions())
        arkiv << item->objectName() + u'=' + item->text();
    EXPECT_EQ(arkiv, (QStringList{"mnuKont=Kontrollera", "mnuUppdatera=Uppdatera", "mnuAvsluta=Avsluta"}));
    EXPECT_EQ(action("mnuGhelp")->text(), "Hjälp om PlugoPro - Update");
    for (const char *name : {"mnuKont", "mnuUppdatera", "mnuAvsluta", "mnuGhelp"}) {
        EXPECT_TRUE(action(name)->isEnabled()) << name;
        EXPECT_TRUE(action(name)->shortcut().isEmpty()) << name;
    }
}

TEST_F(UpdaterWindowTest, TabOrderFollowsTheControls)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 02 01$26 02 01$26 02 01£");
    action("mnuKont")->trigger();
    // With every box enabled, Tab goes from the check button through the boxes to "Uppdatera".
    QStringList order;
    QWidget *w = button("cmdKoll");
    for (int i = 0; i < 5; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!w->objectName().startsWith("che") && !w->objectName().startsWith("cmd"));
    }
    EXPECT_EQ(order, (QStringList{"cmdKoll", "cheUpp_0", "cheUpp_1", "cheUpp_2", "cmdUppdatera"}));
}

TEST_F(UpdaterWindowTest, HelpOpensThePageInTheProgramFolder)
{
    action("mnuGhelp")->trigger();
    const auto opened = desktop.callsOf("openDocument");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].args, (QStringList{platform::pathInFolder(folder.path(), "update.html"), folder.path()}));
    EXPECT_TRUE(desktop.messages().empty()) << "a missing page is not reported";
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
}

TEST(UpdaterWindow, ProgramFolderLosesItsSpaces)
{
    testing_support::TempFolder folder;
    testing_support::ScriptedDesktop desktop;
    desktop.folder = "  " + folder.path() + "   ";
    platform::InetPlugo inet;
    updater::frmInfo window(desktop, inet, updater::UpdateServer{"127.0.0.1", testing_support::refusedPort()});
    EXPECT_EQ(window.state().mapp, folder.path());
    window.findChild<QAction *>("mnuGhelp")->trigger();
    EXPECT_EQ(desktop.callsOf("openDocument").at(0).args.at(0), platform::pathInFolder(folder.path(), "update.html"));
}

TEST_F(UpdaterWindowTest, AvslutaEndsTheProgram)
{
    action("mnuAvsluta")->trigger();
    EXPECT_TRUE(desktop.ended);
}

TEST(UpdateServer, HostIsFixedWhenBuiltPortIsHttps)
{
    const updater::UpdateServer server = updater::defaultUpdateServer();
    EXPECT_FALSE(server.host.isEmpty());
    EXPECT_EQ(server.port, 80);
}

// --- The version check -----------------------------------------------------------------------

TEST_F(UpdaterWindowTest, SameDayIsNotNewer)
{
    installProducts(at(2026, 1, 15, 23, 59));
    serveVersion("26 01 15$26 01 15$26 01 15£Inget nytt.");
    check();
    EXPECT_EQ(label("lblNyare")->text(), kUpToDate);
    EXPECT_EQ(label("lblKoll")->text(), "Inget nytt.");
    EXPECT_EQ(label("lblLadda")->text(), "");
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update /~tovald/plugo3/version");
    EXPECT_FALSE(button("cmdUppdatera")->isEnabled());
    EXPECT_FALSE(button("cmdKoll")->isEnabled());
    EXPECT_TRUE(action("mnuKont")->isEnabled());
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(box(row)->isEnabled());
    EXPECT_TRUE(desktop.messages().empty())
        << (desktop.messages().empty() ? QStringList() : desktop.messages()[0]).join("|").toStdString();
    EXPECT_EQ(server.requests(), std::vector<QByteArray>{"/~tovald/plugo3/version"});
}

TEST_F(UpdaterWindowTest, OneDayLaterIsNewer)
{
    installProducts(at(2026, 1, 15, 0, 1));
    serveVersion("26 01 16$26 01 16$26 01 16£Ny version!");
    check();
    EXPECT_EQ(label("lblNyare")->text(), newerText("Plugo", "Vuzuvevizaduvareziv", "Plugo update"));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(box(row)->isEnabled());
        EXPECT_TRUE(box(row)->isChecked());
    }
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
    EXPECT_FALSE(button("cmdKoll")->isEnabled());
}

TEST_F(UpdaterWindowTest, KeyboardAloneChecksAndDownloads)
{
    installProducts(at(2026, 1, 15));
    serveVersion("26 01 16$26 01 15$26 01 15£");
    server.route("/~tovald/plugo3/plugo_upd.exe", testing_support::okReply("MZ new"));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(button("cmdKoll")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(box(0)->isChecked());
    EXPECT_TRUE(button("cmdUppdatera")->hasFocus()) << "Enter goes on to the download";
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(downloads.read("plugo_upd.exe"), QByteArray("MZ new"));
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], "Nerladdning klar");
}

TEST_F(UpdaterWindowTest, OnlyRowOneNewer)
{
    installProducts(at(2026, 3, 10));
    serveVersion("26 03 10$26 03 11$26 03 09£");
    check();
    EXPECT_EQ(label("lblNyare")->text(),
              QStringLiteral("Nyare version finns till följande plugoprodukter: \n\n\nVuzuvevizaduvareziv\n\n\n"
                             "Du rekomenderas att uppdatera. Klicka på \"Uppdatera\"!"));
    EXPECT_FALSE(box(0)->isEnabled());
    EXPECT_TRUE(box(1)->isEnabled() && box(1)->isChecked());
    EXPECT_FALSE(box(2)->isEnabled());
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
}

TEST_F(UpdaterWindowTest, TwoDigitYearWindowBothWays)
{
    installProducts(at(2029, 12, 30));
    setModified(1, at(1999, 6, 1));
    // Row 0: 29 means 2029, a day later. Row 1: 30 means 1930, long before. Row 2: 99 is 1999.
    serveVersion("29 12 31$30 01 01$99 12 31£");
    check();
    EXPECT_TRUE(box(0)->isChecked());
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_FALSE(box(2)->isChecked());
}

TEST_F(UpdaterWindowTest, LocalFileFrom2030OnIsNotACenturyOld)
{
    installProducts(at(2031, 5, 5));
    serveVersion("99 12 31$2031 05 05$31 05 06£");
    check();
    EXPECT_FALSE(box(0)->isChecked()) << "1999 is older than 2031";
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_FALSE(box(2)->isChecked()) << "31 is 1931, not 2031";
    EXPECT_EQ(label("lblNyare")->text(), kUpToDate);
}

TEST_F(UpdaterWindowTest, BodyWithoutPoundSignEmptiesTheIntroduction)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 01 01$26 01 01$26 01 01");
    check();
    EXPECT_EQ(label("lblKoll")->text(), "");
    EXPECT_EQ(label("lblNyare")->text(), kUpToDate);
}

TEST_F(UpdaterWindowTest, MessageKeepsDollarAndPoundSigns)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 01 01$26 01 01$26 01 01£Pris 5$, £ 3\nRätta stavfel.");
    check();
    EXPECT_EQ(label("lblKoll")->text(), QStringLiteral("Pris 5$, £ 3\nRätta stavfel."));
}

TEST_F(UpdaterWindowTest, MissingEditorStopsBeforeAnyRequest)
{
    installProducts(at(2026, 1, 1));
    QFile::remove(folder.file(platform::programFileName("editor")));
    serveVersion("27 01 01$27 01 01$27 01 01£");
    check();
    const auto messages = desktop.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (QStringList{"Zeduridararorev (editor.exe) hittas inte på din dator. Gå till programmets "
                                        "hemsida och hämta en fullständig installation.",
                                        "Fil hittas inte", "0"}));
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(button("cmdKoll")->isEnabled());
    EXPECT_EQ(label("lblKoll")->text(), kIntro);
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update");
}

TEST_F(UpdaterWindowTest, MissingPlugoIsTheFirstMessage)
{
    check();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], "Plugo (plugo.exe) hittas inte på din dator. Gå till programmets hemsida och "
                                        "hämta en fullständig installation.");
    installProducts(at(2026, 1, 1));
    QFile::remove(folder.file(platform::programFileName("update")));
    check();
    EXPECT_EQ(desktop.messages()[1][0], "Update (update.exe) hittas inte på din dator. Gå till programmets hemsida "
                                        "och hämta en fullständig installation.");
}

TEST(UpdaterWindow, NothingListeningIsNoContact)
{
    testing_support::TempFolder folder;
    testing_support::ScriptedDesktop desktop;
    desktop.folder = folder.path();
    for (const char *name : {"plugo", "editor", "update"})
        folder.write(platform::programFileName(name), "program");
    platform::InetPlugo inet;
    updater::frmInfo window(desktop, inet, updater::UpdateServer{"127.0.0.1", testing_support::refusedPort()});
    std::vector<QString> seen;
    QObject::connect(&inet, &platform::InternetTransfer::stateChanged,
                     [&] { seen.push_back(window.findChild<QLabel *>("lblLadda")->text()); });
    window.findChild<QAction *>("mnuKont")->trigger();

    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0], (QStringList{kNoContact, "Ingen kontakt med servern", "16"}));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), QStringLiteral("Ett fel har inträffat! ") + QString::number(inet.responseCode()) + ": "
                               + inet.responseInfo());
    EXPECT_EQ(inet.responseCode(), 7);
    EXPECT_EQ(window.findChild<QLabel *>("lblLadda")->text(), "");
    EXPECT_EQ(window.windowTitle(), "PlugoPro 1.00 - Update /~tovald/plugo3/version");
    EXPECT_TRUE(window.findChild<QPushButton *>("cmdKoll")->isEnabled());
    EXPECT_EQ(window.findChild<QLabel *>("lblKoll")->text(), kIntro);
}

TEST_F(UpdaterWindowTest, UnusableAnswersAreNoContact)
{
    struct Row {
        const char *name;
        testing_support::ServerReply reply;
    };
    const std::vector<Row> rows{
        {"not found with a version-like body",
         testing_support::statusReply(404, "Not Found", "27 01 01$27 01 01$27 01 01£Fel")},
        {"server error", testing_support::statusReply(500, "Internal Server Error", "")},
        {"empty body", testing_support::okReply("")},
        {"two fields", testing_support::okReply("27 01 01$27 01 01£Två")},
        {"four fields", testing_support::okReply("27 01 01$27 01 01$27 01 01$27 01 01£Fyra")},
        {"no date", testing_support::okReply("<html><body>Hej</body></html>")},
        {"empty field", testing_support::okReply("27 01 01$$27 01 01£")},
        {"reset", testing_support::faultReply(testing_support::ServerReply::Kind::Reset)},
        {"empty reply", testing_support::faultReply(testing_support::ServerReply::Kind::Empty)},
    };
    installProducts(at(2026, 1, 1));
    for (const Row &row : rows) {
        server.route("/~tovald/plugo3/version", row.reply);
        desktop.calls.clear();
        action("mnuKont")->trigger();
        EXPECT_EQ(desktop.messages(), (std::vector<QStringList>{{kNoContact, "Ingen kontakt med servern", "16"}}))
            << row.name;
        EXPECT_EQ(label("lblKoll")->text(), kIntro) << row.name;
        EXPECT_EQ(label("lblNyare")->text(), "") << row.name;
        EXPECT_EQ(label("lblLadda")->text(), "") << row.name;
        EXPECT_FALSE(box(0)->isEnabled()) << row.name;
        EXPECT_FALSE(button("cmdUppdatera")->isEnabled()) << row.name;
        EXPECT_TRUE(button("cmdKoll")->isEnabled()) << row.name;
    }
}

TEST_F(UpdaterWindowTest, StatusLineFollowsTheTransfer)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 01 01$26 01 01$26 01 01£");
    check();
    EXPECT_EQ(statusTexts, (std::vector<QString>{"Letar upp värd...", "Värd hittad", "Ansluter...", "Ansluten!",
                                                 "Anhåller...", "Anhållan skickad", "Mottar svar...", "Svar mottagit!",
                                                 "Kopplar från", "Frånkopplad", "Klart!"}));
    EXPECT_EQ(label("lblLadda")->text(), "") << "the check clears the line when it is done";
}

TEST_F(UpdaterWindowTest, StateThirteenLeavesTheLine)
{
    emit inet.stateChanged(4);
    EXPECT_EQ(label("lblLadda")->text(), "Ansluten!");
    emit inet.stateChanged(13);
    EXPECT_EQ(label("lblLadda")->text(), "Ansluten!");
    emit inet.stateChanged(0);
    EXPECT_EQ(label("lblLadda")->text(), "");
}

TEST_F(UpdaterWindowTest, CheckBoxesStayAsTheyWereOnALaterCheck)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 01 02$26 01 01$26 01 01£");
    check();
    ASSERT_TRUE(box(0)->isChecked());
    box(1)->setEnabled(true);  // as if offered before
    serveVersion("26 01 01$26 01 01$26 01 01£Nu är allt nytt.");
    action("mnuKont")->trigger();
    EXPECT_TRUE(box(0)->isEnabled() && box(0)->isChecked()) << "never unchecked or disabled by a check";
    EXPECT_EQ(label("lblNyare")->text(), kUpToDate);
    EXPECT_FALSE(button("cmdUppdatera")->isEnabled());
    EXPECT_EQ(label("lblKoll")->text(), "Nu är allt nytt.");
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(UpdaterWindowTest, NoSecondCheckWhileOneRuns)
{
    installProducts(at(2026, 1, 1));
    serveVersion("26 01 02$26 01 01$26 01 01£");
    onState = [this](int state) {
        if (state == 4) {
            action("mnuKont")->trigger();
            action("mnuUppdatera")->trigger();
            QTest::mouseClick(button("cmdKoll"), Qt::LeftButton);
        }
    };
    check();
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_TRUE(box(0)->isChecked());
}

TEST_F(UpdaterWindowTest, MenusByKeyboard)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Alt alone selects the menu bar; the arrows go to "Hjälp" and into it, Enter chooses.
    QTest::keyClick(window.get(), Qt::Key_Alt);
    ASSERT_NE(window->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(window->menuBar()->activeAction()->text(), "Arkiv");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window->menuBar()->activeAction()->text(), "Hjälp");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(desktop.callsOf("openDocument").size(), 1u);
}
