// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loopbackserver.h"
#include "qtprinters.h"
#include "platform/inetplugo.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "updater/frminfo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// A scripted desktop that also lets a test look at the window whenever a message box is asked.
class ObservingDesktop : public ScriptedDesktop {
public:
    std::function<void(const QString &text)> onMessage;
    int messageBox(QWidget *owner, const QString &text, const QString &title, int style) override
    {
        if (onMessage)
            onMessage(text);
        return ScriptedDesktop::messageBox(owner, text, title, style);
    }
};

// The updater window in a program folder of its own, talking to a loopback server.
class UpdaterWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The product files, each last modified at the given time.
    void installProducts(const QDateTime &modified);
    void setModified(int row, const QDateTime &modified);
    // The version file, written in Windows-1252 as the server keeps it.
    void serveVersion(const QString &body);

    // Version check through the button; the result as the window shows it.
    void check();

    QPushButton *button(const char *name) const;
    QLabel *label(const char *name) const;
    QCheckBox *box(int row) const;
    QAction *action(const char *name) const;
    QTimer *timer() const;

    TempFolder folder;
    TempFolder downloads;
    ObservingDesktop desktop;
    LoopbackServer server;
    platform::InetPlugo inet;
    std::unique_ptr<updater::frmInfo> window;
    // The status line after each transfer state, as the user saw it.
    std::vector<QString> statusTexts;
    std::function<void(int state)> onState;
};

}  // namespace testing_support
