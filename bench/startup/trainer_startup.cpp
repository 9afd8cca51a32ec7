// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer as it starts for a user, reporting its first painted main window.
#include "firstpaint.h"
#include "trainer/shell/app.h"

#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<FirstPaint> probe;
    return shell::runTrainer(argc, argv, [&probe](QWidget &window) { probe = std::make_unique<FirstPaint>(window); });
}
