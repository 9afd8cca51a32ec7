// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>

// The pieces the programs' windows are built from: controls placed at fixed positions under their
// own object names, and menus whose items call one handler each.
namespace platform::form {

template <typename Widget>
Widget *place(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A label that shows its text as it is, never as markup, from its top left corner.
inline QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *lbl = place<QLabel>(parent, name, geometry);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return lbl;
}

// A button that Enter presses when it has the focus, so every command works from the keyboard.
inline QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *btn = place<QPushButton>(parent, name, geometry);
    btn->setText(caption);
    btn->setAutoDefault(true);
    return btn;
}

inline QMenu *menu(QMainWindow *window, const char *name, const QString &title)
{
    QMenu *m = window->menuBar()->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

template <typename Window>
QAction *menuItem(QMenu *menu, Window *window, const char *name, const QString &caption, void (Window::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}

}  // namespace platform::form
