// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainerfixture.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QString kThreePairs = QStringLiteral("\"[Svenska-Engelska]\"\r\n\"hund\",\"dog$hound$\"\r\n\"katt\",\"cat$\"\r\n");

}  // namespace

TEST_F(TrainerTest, FirstStartInAnEmptyFolder)
{
    start();
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00");
    EXPECT_EQ(text("lblSprak2"), QStringLiteral(u"Välkommen till PlugoPro 1.00"));
    for (const char *name : {"lblVisaSp_0", "lblVisaSp_1", "lblAntalSprak1", "lblAntalSprak2", "lblKvar", "lblGjorda",
                             "lblRatt", "lblFel", "lblProcRatt", "lblRattsvar"})
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(action("mnuT_0")->text(), "<tomt>");
    EXPECT_TRUE(action("mnuT_0")->isVisible());
    for (int i = 1; i < 10; ++i)
        EXPECT_FALSE(action(QStringLiteral("mnuT_%1").arg(i).toLatin1().constData())->isVisible());
    EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_FALSE(button("cmdNasta")->isEnabled());
    EXPECT_FALSE(button("cmdRatta")->isEnabled());
    EXPECT_TRUE(button("cmdOpen")->isEnabled());
    EXPECT_EQ(action("mnuNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_FALSE(action("mnuNasta")->isEnabled());
    EXPECT_FALSE(action("mnuRatta")->isEnabled());
    EXPECT_TRUE(answerBox()->isReadOnly());
    EXPECT_EQ(focused(), button("cmdOpen"));
    EXPECT_TRUE(label("imgBra")->pixmap().isNull());
    EXPECT_EQ(window->windowIcon().availableSizes(),
              QList<QSize>({QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)}));
}

TEST_F(TrainerTest, LayoutIsFixedAndInPlace)
{
    start();
    EXPECT_EQ(window->centralWidget()->size(), QSize(578, 194));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);

    struct Place {
        const char *name;
        QRect rect;
    };
    const Place places[] = {
        {"cmdOpen", {8, 136, 89, 25}},       {"lblSprak2", {8, 32, 305, 25}},     {"cmdNasta", {120, 136, 89, 25}},
        {"txtSprak1", {6, 96, 312, 25}},     {"cmdRatta", {232, 136, 89, 25}},    {"lblVisaSp_1", {8, 16, 305, 17}},
        {"lblVisaSp_0", {8, 80, 305, 17}},   {"lblAntalSprak1", {336, 32, 233, 17}}, {"lblKvar", {336, 72, 161, 17}},
        {"lblGjorda", {336, 88, 161, 17}},   {"lblRatt", {336, 128, 233, 17}},    {"lblFel", {336, 144, 233, 17}},
        {"lblProcRatt", {336, 168, 233, 17}}, {"lblAntalSprak2", {336, 16, 233, 17}}, {"lblRattsvar", {8, 168, 297, 17}},
        {"imgBra", {520, 64, 49, 49}},
    };
    for (const Place &place : places) {
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(place.name));
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->geometry(), place.rect) << place.name;
    }
    for (const char *name : {"lblSprak2", "txtSprak1", "lblRattsvar"})
        EXPECT_DOUBLE_EQ(window->findChild<QWidget *>(name)->font().pointSizeF(), 9.75) << name;
    EXPECT_DOUBLE_EQ(label("lblKvar")->font().pointSizeF(), 8.25);
    EXPECT_DOUBLE_EQ(button("cmdOpen")->font().pointSizeF(), 8.25);
}

TEST_F(TrainerTest, MenusAndTheirItems)
{
    start();
    QStringList titles;
    QStringList items;
    for (QAction *top : window->menuBar()->actions()) {
        titles << top->menu()->objectName() + "=" + top->text();
        for (QAction *item : top->menu()->actions()) {
            if (item->isVisible())
                items << item->objectName() + "=" + item->text();
        }
    }
    EXPECT_EQ(titles, QStringList({"mnuArkiv=Arkiv", "mnuTidigare=Tidigare", "mnuWeb=Websida", "mnuVarktyg=Verktyg",
                                   "mnuRed=Redigera", "mnuHelp=Hjälp"}));
    EXPECT_EQ(items, QStringList({"mnuOpen=Öppna glosfil", "mnuNasta=Börja", "mnuRatta=Rätta", "mnuSlut=Avsluta",
                                  "mnuT_0=<tomt>", "mnuSparaweb=Spara som websida", "mnuOppnaweb=Öppna websida",
                                  "mnuOvning=Öppna senaste övning som websida", "mnuInst=Inställningar",
                                  "mnuEdit=Öppna Editorn", "mnuGhelp=Hjälp om Plugo"}));
}

TEST_F(TrainerTest, TabOrderRunsThroughTheFourCommands)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);  // everything but "Börja" available now
    button("cmdOpen")->setFocus();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << focused()->objectName();
        pressKey(Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"cmdOpen", "txtSprak1", "cmdRatta", "cmdOpen"})) << "unavailable Nästa is skipped";
}

TEST_F(TrainerTest, LoadShowsTheVocabulary)
{
    start();
    const QString path = vocabulary("sv.gls", kThreePairs);
    open(path);
    const auto dialogs = desktop.callsOf("openFileDialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].args[0], QStringLiteral(u"glosfil skall öppnas"));
    EXPECT_EQ(dialogs[0].args[1], "glosfil (*.gls)|*.gls");
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - " + path);
    EXPECT_EQ(text("lblVisaSp_0"), "Svenska");
    EXPECT_EQ(text("lblVisaSp_1"), "Engelska");
    EXPECT_EQ(text("lblAntalSprak2"), "Svenska glosor: 2");
    EXPECT_EQ(text("lblAntalSprak1"), "Engelska betydelser: 3");
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
    EXPECT_EQ(text("lblKvar"), QStringLiteral(u"Kvar att öva: 3"));
    EXPECT_EQ(text("lblRatt"), QStringLiteral(u"Rätt: 0"));
    EXPECT_EQ(text("lblFel"), "Fel: 0");
    EXPECT_EQ(text("lblProcRatt"), QStringLiteral(u"Procent rätt: 0%"));
    EXPECT_EQ(text("lblSprak2"), "");
    EXPECT_TRUE(button("cmdNasta")->isEnabled());
    EXPECT_TRUE(action("mnuNasta")->isEnabled());
    EXPECT_EQ(focused(), button("cmdNasta"));
    EXPECT_EQ(window->filnamn(), path);
}

TEST_F(TrainerTest, WholeDrillByClicks)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QStringList asked;
    bool missedOne = false;
    for (int n = 0; n < 3; ++n) {
        QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
        asked << text("lblSprak2");
        EXPECT_FALSE(button("cmdNasta")->isEnabled());
        EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Nästa"));
        EXPECT_TRUE(button("cmdRatta")->isEnabled());
        EXPECT_FALSE(answerBox()->isReadOnly());
        EXPECT_EQ(focused(), answerBox());
        const QString typed = missedOne ? rightAnswer() : QStringLiteral("fel");
        typeText(answerBox(), typed);
        QTest::mouseClick(button("cmdRatta"), Qt::LeftButton);
        if (!missedOne) {
            missedOne = true;
            if (n < 2) {
                EXPECT_EQ(text("lblRattsvar"), "Rätt svar: " + answers.value(asked.last()));
                EXPECT_EQ(text("lblFel"), "Fel: 1");
                EXPECT_FALSE(label("imgBra")->pixmap().isNull());
                EXPECT_TRUE(answerBox()->isReadOnly());
                EXPECT_EQ(answerBox()->text(), "fel") << "the box keeps the typed answer";
                EXPECT_FALSE(button("cmdRatta")->isEnabled());
                EXPECT_EQ(focused(), button("cmdNasta"));
            }
        }
    }
    asked.sort();
    EXPECT_EQ(asked, QStringList({"cat", "dog", "hound"}));
    const auto messages = desktop.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringList({QStringLiteral(u"Du kunde det Svenska ordet för det Engelska ordet 2 gånger av 3 "
                                                       u"möjliga.\nProcent rätt: 67%."),
                                        "Alla glosor klara", "0"}));
    // A new drill over the same vocabulary.
    EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_EQ(action("mnuNasta")->text(), QStringLiteral(u"Nästa"));
    EXPECT_TRUE(button("cmdNasta")->isEnabled());
    EXPECT_FALSE(button("cmdRatta")->isEnabled());
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
    EXPECT_EQ(text("lblKvar"), QStringLiteral(u"Kvar att öva: 3"));
    EXPECT_EQ(text("lblRattsvar"), "");
    EXPECT_EQ(text("lblSprak2"), "");
    EXPECT_EQ(answerBox()->text(), "");
    EXPECT_TRUE(label("imgBra")->pixmap().isNull());
    EXPECT_EQ(focused(), button("cmdNasta"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    EXPECT_EQ(text("lblKvar"), QStringLiteral(u"Kvar att öva: 3")) << "every pair can be asked again";
    EXPECT_TRUE(answers.contains(text("lblSprak2")));
}

TEST_F(TrainerTest, WholeDrillByKeyboardAlone)
{
    start();
    const QString path = vocabulary("sv.gls", kThreePairs);
    desktop.chooseOpen(path);
    ASSERT_EQ(focused(), button("cmdOpen"));
    pressKey(Qt::Key_Return);
    ASSERT_EQ(window->filnamn(), path);
    for (int n = 0; n < 3; ++n) {
        ASSERT_EQ(focused(), button("cmdNasta"));
        pressKey(Qt::Key_Return);
        ASSERT_EQ(focused(), answerBox());
        typeText(focused(), rightAnswer());
        pressKey(Qt::Key_Return);
        if (n < 2) {
            EXPECT_EQ(text("lblRattsvar"), QStringLiteral(u"Rätt svar!"));
        }
    }
    const auto messages = desktop.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0][0].endsWith(QStringLiteral(u"3 gånger av 3 möjliga.\nProcent rätt: 100%.")));
    EXPECT_EQ(focused(), button("cmdNasta"));
}

TEST_F(TrainerTest, MenuCommandsRunTheDrillToo)
{
    start();
    desktop.chooseOpen(vocabulary("one.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n"));
    action("mnuOpen")->trigger();
    action("mnuNasta")->trigger();
    EXPECT_EQ(text("lblSprak2"), "dog");
    answerBox()->setText("hund");
    action("mnuRatta")->trigger();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], QStringLiteral(u"Du kunde det Svenska ordet för det Engelska ordet 1 gång av 1 möjliga.\n"
                                                       u"Procent rätt: 100%."));
}

TEST_F(TrainerTest, WordsAreComparedWithoutSurroundingSpacesOnly)
{
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\n\"  hund \",dog$\r\nkatt,cat$\r\nko,cow$\r\n"));
    for (int n = 0; n < 2; ++n) {
        QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
        const QString prompt = text("lblSprak2");
        if (prompt == "dog") {
            typeAndEnter("   hund   ");
            EXPECT_EQ(text("lblRattsvar"), QStringLiteral(u"Rätt svar!"));
        } else if (prompt == "cat") {
            typeAndEnter("Katt");
            EXPECT_EQ(text("lblRattsvar"), QStringLiteral(u"Rätt svar: katt"));
        } else {
            typeAndEnter("ko ");
            EXPECT_EQ(text("lblRattsvar"), QStringLiteral(u"Rätt svar!"));
        }
    }
}

TEST_F(TrainerTest, EmptyAnswerIsNeverChecked)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("   ");
    QTest::mouseClick(button("cmdRatta"), Qt::LeftButton);
    action("mnuRatta")->trigger();
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
    EXPECT_EQ(text("lblRattsvar"), "");
    EXPECT_TRUE(button("cmdRatta")->isEnabled());
    EXPECT_EQ(focused(), answerBox());
}

TEST_F(TrainerTest, EnterChecksOnlyOnce)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("fel");
    EXPECT_EQ(text("lblFel"), "Fel: 1");
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QTest::keyClick(answerBox(), Qt::Key_Enter);
    EXPECT_EQ(text("lblFel"), "Fel: 1") << "the same question is not counted again";
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 1");
}

TEST_F(TrainerTest, EmptyVocabularyMessage)
{
    start();
    const QString path = vocabulary("tom.gls", "[Svenska-Engelska]\r\n");
    open(path);
    EXPECT_EQ(text("lblAntalSprak2"), "Svenska glosor: 0");
    EXPECT_EQ(text("lblAntalSprak1"), "Engelska betydelser: 0");
    ASSERT_TRUE(button("cmdNasta")->isEnabled());
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    action("mnuNasta")->trigger();
    const QStringList expected = {QStringLiteral(u"det finns inga ord sparade i \"") + path
                                      + QStringLiteral(u"\".\nDu måste öppna Vuzuvevizaduvareziv och spara glosor."),
                                  "Inga Glosor finns!", "0"};
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[0], expected);
    EXPECT_EQ(desktop.messages()[1], expected);
    EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_FALSE(button("cmdRatta")->isEnabled());
}

TEST_F(TrainerTest, WordsWithoutMeaningsAreCountedButNeverAsked)
{
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\ntom\r\ningen dollar\r\nhund\r\ndog$\r\n"));
    EXPECT_EQ(text("lblAntalSprak2"), "Svenska glosor: 2");
    EXPECT_EQ(text("lblAntalSprak1"), "Engelska betydelser: 1");
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    EXPECT_EQ(text("lblSprak2"), "dog");
    typeAndEnter("hund");
    EXPECT_EQ(desktop.messages().size(), 1u) << "the drill ends after the only meaning";

    open(vocabulary("tomma.gls", "[Svenska-Engelska]\r\ntom\r\ningen\r\n"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], "Inga Glosor finns!");
}

TEST_F(TrainerTest, EmptyMeaningIsAskedWithAnEmptyPrompt)
{
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\nhund\r\n$\r\n"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    EXPECT_EQ(text("lblSprak2"), "");
    EXPECT_TRUE(button("cmdRatta")->isEnabled());
    typeAndEnter("hund");
    EXPECT_EQ(desktop.messages().size(), 1u);
}

TEST_F(TrainerTest, CancelledOrFailedLoadChangesNothing)
{
    start();
    const QString good = vocabulary("sv.gls", kThreePairs);
    open(good);
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    const QString prompt = text("lblSprak2");
    typeAndEnter("fel");
    const QString title = window->windowTitle();

    desktop.cancelOpen();
    QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
    open(folder.write("cut.gls", "[A-B]\r\nword\r\n"));
    open(folder.write("many.gls", "[A-B]\r\nw\r\na$b$c$d$e$\r\n"));
    open(folder.file("missing.gls"));
    open(folder.write("empty.gls", ""));

    EXPECT_EQ(desktop.callsOf("openFileDialog").size(), 6u);
    EXPECT_EQ(window->filnamn(), good);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(text("lblSprak2"), prompt);
    EXPECT_EQ(text("lblFel"), "Fel: 1");
    EXPECT_EQ(text("lblAntalSprak2"), "Svenska glosor: 2");
    EXPECT_EQ(window->ovning().antalfragor(), 1);
    EXPECT_TRUE(desktop.messages().empty()) << "a failed load stays silent";
}

TEST_F(TrainerTest, ALoadEndsTheQuestionOnShow)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    QTest::keyClicks(answerBox(), "hund");
    open(vocabulary("tyska.gls", "[Tyska-Svenska]\r\nHund\r\nhund$\r\n"));
    EXPECT_FALSE(button("cmdRatta")->isEnabled());
    EXPECT_FALSE(action("mnuRatta")->isEnabled());
    EXPECT_TRUE(answerBox()->isReadOnly());
    EXPECT_EQ(answerBox()->text(), "");
    EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_EQ(text("lblVisaSp_0"), "Tyska");
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
    QTest::keyClick(answerBox(), Qt::Key_Return);
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
}

TEST_F(TrainerTest, RevealPhrase)
{
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\n\" hund \",dog$\r\n"));
    // Before the first draw there is nothing to reveal.
    QTest::mouseDClick(label("lblVisaSp_0"), Qt::LeftButton);
    EXPECT_EQ(answerBox()->text(), "");

    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeText(answerBox(), QStringLiteral(u"hjälp mig nu, snälla du !! (tack)x"));
    QTest::mouseDClick(label("lblVisaSp_1"), Qt::LeftButton);
    EXPECT_EQ(answerBox()->text(), QStringLiteral(u"hjälp mig nu, snälla du !! (tack)x")) << "only the exact phrase";

    answerBox()->setText(QStringLiteral(u"  hjälp mig nu, snälla du !! (tack) "));
    QTest::mouseDClick(label("lblVisaSp_1"), Qt::LeftButton);
    EXPECT_EQ(answerBox()->text(), " hund ") << "the word as stored";
    QTest::mouseClick(button("cmdRatta"), Qt::LeftButton);
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_TRUE(desktop.messages()[0][0].contains(QStringLiteral(u"ordet 1 gång av 1")));
}

TEST_F(TrainerTest, MissingPictureStopsTheCheckAndCountsOnce)
{
    start();
    open(vocabulary("sv.gls", kThreePairs));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    const QString prompt = text("lblSprak2");
    QFile::remove(folder.file("argtant.gif"));
    typeAndEnter("fel");
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0],
              QStringList({QStringLiteral(u"Ett fel har inträffat. Kanske har bilderna\n\"argtant.gif\" eller "
                                          u"\"smiling.gif\" kommit bort eller blivit skadade."),
                           QStringLiteral(u"Ett fel har inträffat"), "16"}));
    EXPECT_TRUE(button("cmdRatta")->isEnabled()) << "the question stays on show";
    EXPECT_FALSE(button("cmdNasta")->isEnabled());
    EXPECT_FALSE(answerBox()->isReadOnly());
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 0");
    EXPECT_EQ(text("lblSprak2"), prompt);

    folder.write("argtant.gif", "not a picture");
    QTest::mouseClick(button("cmdRatta"), Qt::LeftButton);
    EXPECT_EQ(desktop.messages().size(), 2u) << "an unreadable picture fails the same way";

    testing_support::installPictures(folder.path());
    QTest::mouseClick(button("cmdRatta"), Qt::LeftButton);
    EXPECT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(text("lblGjorda"), "Gjorda: 1") << "counted once, not three times";
    EXPECT_EQ(text("lblFel"), "Fel: 1");
    EXPECT_TRUE(window->ovning().post(window->ovning().ordnr()).fel[window->ovning().betnr() - 1]);
}

TEST_F(TrainerTest, MenusAreReachableFromTheKeyboard)
{
    start();
    // Alt alone moves into the menu bar; Down opens "Arkiv"; Enter takes its first item.
    QTest::keyPress(focused(), Qt::Key_Alt);
    QTest::keyRelease(focused(), Qt::Key_Alt, Qt::AltModifier);
    ASSERT_NE(window->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(window->menuBar()->activeAction()->text(), "Arkiv");
    QTest::keyClick(window->menuBar(), Qt::Key_Down);
    QMenu *arkiv = window->findChild<QMenu *>("mnuArkiv");
    ASSERT_TRUE(arkiv->isVisible());
    QTest::keyClick(arkiv, Qt::Key_Return);
    EXPECT_EQ(desktop.callsOf("openFileDialog").size(), 1u) << "\"Öppna glosfil\" ran";
}

TEST_F(TrainerTest, LabelsShowMarkupAsTyped)
{
    start();
    open(vocabulary("&lt;i&gt;sv.gls", "[<b>Svenska</b>-Engelska]\r\n\"<b>x</b>\",\"<b>x</b>$<i>y</i>$\"\r\n"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("fel");
    for (QLabel *lbl : window->findChildren<QLabel *>())
        EXPECT_EQ(lbl->textFormat(), Qt::PlainText) << lbl->objectName().toStdString();
    EXPECT_EQ(text("lblVisaSp_0"), "<b>Svenska</b>");
    EXPECT_EQ(text("lblRattsvar"), QStringLiteral(u"Rätt svar: <b>x</b>"));
}
