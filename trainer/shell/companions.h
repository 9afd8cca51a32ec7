// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace platform {
class Desktop;
}

namespace shell {

class modulePlugo;

// "Öppna Editorn": starts the editor from the program folder, or says why it cannot.
void startEditor(platform::Desktop &desktop, const modulePlugo &module, QWidget *owner);

// "Hjälp om Plugo": the trainer's help page in the web browser.
void openHelp(platform::Desktop &desktop, const modulePlugo &module, QWidget *owner);

}  // namespace shell
