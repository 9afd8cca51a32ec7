// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

namespace platform {

// Makes the toolkit's own texts Swedish, whatever the user's locale: the message box buttons, the
// context menu of the text boxes and the labels of the toolkit's own file dialog. Loads the toolkit's
// Swedish catalogue "qt_sv.qm" from catalogueFolder (empty: the program's folder, then the toolkit's
// translations folder) when it is there, and puts a fixed Swedish text of our own in front of it for
// what it leaves English or words otherwise. A missing catalogue is no failure: our own texts still apply. The default locale
// becomes Swedish, for the names of file types the file dialog shows.
// Called once at start, after the application exists; a second call replaces what the first
// installed. Returns true when the catalogue was loaded.
bool installSwedishTexts(QApplication &app, const QString &catalogueFolder = QString());

}  // namespace platform
