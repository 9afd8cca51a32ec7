// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/shell/app.h"

int main(int argc, char *argv[])
{
    return shell::runTrainer(argc, argv);
}
