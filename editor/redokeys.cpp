// SPDX-License-Identifier: GPL-3.0-or-later
#include "redokeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace editor {

bool RedoKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto *field = qobject_cast<QLineEdit *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (field == nullptr || !redo_.shortcuts().contains(QKeySequence(key->keyCombination())))
        return false;
    const bool own = field->isRedoAvailable() && !field->isReadOnly();
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepted, the key comes to the field as a key press; ignored, it goes to the shortcut.
        event->setAccepted(own);
        return true;
    }
    if (!own)
        return false;
    field->redo();
    return true;
}

}  // namespace editor
