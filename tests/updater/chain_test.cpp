// SPDX-License-Identifier: GPL-3.0-or-later
// The updater's part of the update chain, run by tools/windows/chain-test.sh under Wine: the window
// of update.exe dates the programs of a real installation and asks a real web server on loopback.
// The script installs, publishes, runs these and the downloaded installer; what it gives them
// comes in the environment:
//   PLUGO_CHAIN_FOLDER     the installation's folder, where update.exe lies
//   PLUGO_CHAIN_PORT       the loopback port of the update server
//   PLUGO_CHAIN_SAVE       where the downloaded installer is to be saved
//   PLUGO_CHAIN_INSTALLER  the installer as published, to compare the download with
//   PLUGO_CHAIN_KEY        the publisher's public key file, when the release is signed
#include "platform/inetplugo.h"
#include "support/namedchild.h"
#include "support/scripteddesktop.h"
#include "updater/frminfo.h"
#include "updater/texts.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString setting(const char *name)
{
    return qEnvironmentVariable(name);
}

class ChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(setting("PLUGO_CHAIN_FOLDER").isEmpty()) << "run by tools/windows/chain-test.sh";
        desktop.folder = setting("PLUGO_CHAIN_FOLDER");
        updater::UpdateServer server{QStringLiteral("127.0.0.1"), setting("PLUGO_CHAIN_PORT").toInt()};
        if (!setting("PLUGO_CHAIN_KEY").isEmpty()) {
            QFile keyFile(setting("PLUGO_CHAIN_KEY"));
            ASSERT_TRUE(keyFile.open(QIODevice::ReadOnly));
            const auto key = trust::readPublicKey(keyFile.readAll());
            ASSERT_TRUE(key);
            server = updater::UpdateServer{server.host, server.port, {*key}};
        }
        window = std::make_unique<updater::frmInfo>(desktop, inet, server);
        window->show();
        QTest::mouseClick(button("cmdKoll"), Qt::LeftButton);
    }

    QPushButton *button(const char *name) const
    {
        return testing_support::namedChild<QPushButton>(window.get(), QString::fromLatin1(name));
    }

    // Which products the check offered, as their boxes show it.
    std::array<bool, 3> offered() const
    {
        std::array<bool, 3> ticked{};
        for (int row = 0; row < 3; ++row) {
            const auto *box = testing_support::namedChild<QCheckBox>(window.get(), QStringLiteral("cheUpp_%1").arg(row));
            ticked[row] = box->isEnabled() && box->isChecked();
        }
        return ticked;
    }

    testing_support::ScriptedDesktop desktop;
    platform::InetPlugo inet;
    std::unique_ptr<updater::frmInfo> window;
};

TEST_F(ChainTest, OnlyTheTrainerIsNewerAndItsInstallerArrivesWhole)
{
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(offered(), (std::array<bool, 3>{true, false, false}));
    ASSERT_TRUE(button("cmdUppdatera")->isEnabled());
    desktop.chooseSave(setting("PLUGO_CHAIN_SAVE"));
    QTest::mouseClick(button("cmdUppdatera"), Qt::LeftButton);
    // The question whether to download it, then the word that it is done.
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1].at(1), QStringLiteral("Nerladdning klar"));
    QFile saved(setting("PLUGO_CHAIN_SAVE")), published(setting("PLUGO_CHAIN_INSTALLER"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(published.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll() == published.readAll()) << "the installer arrived byte for byte";
}

TEST_F(ChainTest, ATamperedInstallerIsRefusedAndNothingIsSaved)
{
    EXPECT_EQ(offered(), (std::array<bool, 3>{true, false, false}));
    desktop.chooseSave(setting("PLUGO_CHAIN_SAVE"));
    QTest::mouseClick(button("cmdUppdatera"), Qt::LeftButton);
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1].at(1), updater::unverifiedTitle());
    EXPECT_FALSE(QFile::exists(setting("PLUGO_CHAIN_SAVE")));
}

TEST_F(ChainTest, AfterTheUpdateNothingIsNewer)
{
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(offered(), (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(button("cmdUppdatera")->isEnabled());
}

}  // namespace
