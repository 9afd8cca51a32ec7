// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QScreen;
class QWidget;

// The programs' windows are drawn at fixed places in twips and never resized: a main window with a
// menu bar above its client area, and the trainer's settings dialog. Each sets itself up in two steps:
// fixedWindow before its controls are placed, keepSize once its menus are in.
namespace platform::form {

enum class MinimiseButton : bool { No, Yes };

// Gives `window` a fixed single border (no maximise button, no resizing; a minimise button where
// asked for) and returns its client area, `widthTwips` by `heightTwips`: for a main window a new
// central widget named "client", for any other window the window itself.
QWidget *fixedWindow(QWidget *window, int widthTwips, int heightTwips, MinimiseButton minimise);

// The window takes the size its client area and menu bar need, in the font it now has, and keeps it.
void keepSize(QWidget *window);

// Centres the window, frame and all, on the screen; before it is first shown. Without a screen it
// stays where it is.
void centreOnScreen(QWidget *window, const QScreen *screen);

}  // namespace platform::form
