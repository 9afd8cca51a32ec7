// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a release folder made by publish-update with Debian's nginx on 127.0.0.1 at a free port,
// until a line or the end arrives on standard input. Prints the port first. The end-to-end test
// of the update chain puts the Windows updater in front of it.
//
//   serve_release FOLDER
#include "nginxserver.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: serve_release FOLDER\n", stderr);
        return 2;
    }
    publish::NginxServer nginx({QString::fromLocal8Bit(argv[1])});
    if (!nginx.start()) {
        std::fprintf(stderr, "serve_release: %s\n", qPrintable(nginx.error()));
        return 1;
    }
    std::printf("%d\n", nginx.port());
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
