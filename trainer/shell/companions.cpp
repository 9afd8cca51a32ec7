// SPDX-License-Identifier: GPL-3.0-or-later
#include "companions.h"

#include "moduleplugo.h"
#include "platform/desktop.h"

namespace shell {

void startEditor(platform::Desktop &desktop, const modulePlugo &module, QWidget *owner)
{
    const QString editor = module.fileInFolder(platform::programFileName(QStringLiteral("editor")));
    if (!desktop.fileExists(editor)) {
        desktop.messageBox(owner,
                           QStringLiteral("Vuzuvevizaduvareziv (editor.exe) hittas inte. Kanske har filen flyttats "
                                          "eller blivit trasig.\nGå till programmets hemsida och ladda hem en ny "
                                          "version."),
                           QStringLiteral("Fel - Fil hittas inte"), platform::MsgOk);
        return;
    }
    if (!desktop.startProgram(editor, desktop.programFolder()))
        desktop.messageBox(owner,
                           QStringLiteral("Vuzuvevizaduvareziv (editor.exe) kunde inte startas. Kanske har filen "
                                          "blivit trasig.\nGå till programmets hemsida och ladda hem en ny version."),
                           QStringLiteral("Fel - Kan inte starta"), platform::MsgOk);
}

void openHelp(platform::Desktop &desktop, const modulePlugo &module, QWidget *owner)
{
    desktop.openDocument(owner, module.fileInFolder(QStringLiteral("plugo.html")), desktop.programFolder());
}

}  // namespace shell
