// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixedwindow.h"

#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>
#include <memory>

using namespace platform::form;

TEST(FixedWindow, ClientAreaBorderAndKeptSize)
{
    struct Row {
        bool mainWindow;
        MinimiseButton minimise;
        int widthTwips, heightTwips;
        QSize client;
    };
    const Row rows[] = {
        {true, MinimiseButton::Yes, 8670, 2910, {578, 194}},
        {true, MinimiseButton::No, 8325, 5310, {555, 354}},
        {false, MinimiseButton::No, 5055, 3840, {337, 256}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.widthTwips);
        std::unique_ptr<QWidget> window;
        if (row.mainWindow)
            window = std::make_unique<QMainWindow>();
        else
            window = std::make_unique<QDialog>();
        QWidget *client = fixedWindow(window.get(), row.widthTwips, row.heightTwips, row.minimise);
        EXPECT_EQ(client->size(), row.client);
        EXPECT_EQ(client == window.get(), !row.mainWindow);
        if (row.mainWindow) {
            EXPECT_EQ(client->objectName(), "client");
            static_cast<QMainWindow *>(window.get())->menuBar()->addMenu("Arkiv");
        }
        keepSize(window.get());
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "it cannot be resized";
        EXPECT_GE(window->height(), row.client.height());
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint), row.minimise == MinimiseButton::Yes);
    }
}

TEST(FixedWindow, CentredOnTheScreenOrLeftWhereItIs)
{
    QDialog dialog;
    fixedWindow(&dialog, 1500, 1500, MinimiseButton::No);
    dialog.move(3, 4);
    centreOnScreen(&dialog, nullptr);
    EXPECT_EQ(dialog.pos(), QPoint(3, 4));
    ASSERT_NE(dialog.screen(), nullptr);
    centreOnScreen(&dialog, dialog.screen());
    EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
}
