// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixedwindow.h"

#include "twips.h"

#include <QMainWindow>
#include <QScreen>

namespace platform::form {

QWidget *fixedWindow(QWidget *window, int widthTwips, int heightTwips, MinimiseButton minimise)
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    if (minimise == MinimiseButton::Yes)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);

    const int width = twipsToPixels(widthTwips);
    const int height = twipsToPixels(heightTwips);
    auto *main = qobject_cast<QMainWindow *>(window);
    if (!main) {
        window->setFixedSize(width, height);
        return window;
    }
    auto *client = new QWidget(main);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(width, height);
    main->setCentralWidget(client);
    return client;
}

void keepSize(QWidget *window)
{
    window->adjustSize();
    window->setFixedSize(window->size());
}

void centreOnScreen(QWidget *window, const QScreen *screen)
{
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace platform::form
