// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;

namespace editor {

// The keys of the window's "Gör om" in its text fields (the language names, the search field, a
// cell being typed in). A text field of the toolkit keeps the platform's own redo key for itself,
// Ctrl+Shift+Z on Linux and both keys on Windows, and swallows it even when it has nothing to redo.
// Installed on a field, this makes every key of the command redo the field's own typing while
// there is some to redo, and otherwise leaves the key to the window's command.
class RedoKeys : public QObject {
public:
    RedoKeys(QAction &redo, QObject *parent) : QObject(parent), redo_(redo) {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction &redo_;
};

}  // namespace editor
