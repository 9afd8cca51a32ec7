// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <cstdio>

// Lets the windows paint for a while before a picture is taken.
inline void settle(int ms = 300)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Saves a picture as PNG and prints where it went.
inline bool save(const QPixmap &picture, const QString &path)
{
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
