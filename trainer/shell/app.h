// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace shell {

// The trainer program: builds the main window, shows it centred and runs until it closes.
// `shown` is called with the main window once it is on the screen (a start-up benchmark watches it).
int runTrainer(int argc, char *argv[], const std::function<void(QWidget &)> &shown = {});

}  // namespace shell
