// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QEvent>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

// The size of the trainer's main window as it shows: its controls' area and the menu bar above it.
inline const QSize kTrainerWindowSize(578, 212);

// Reports the first time a window has been painted: prints "painted" once the paint events of its
// first update have run, then ends the process at once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget &window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &window_) {
            seen_ = true;
            // After the rest of this update has been painted and flushed.
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget &window_;
    bool seen_ = false;
};
