#pragma once

#include <QString>

namespace shell {

// What every part of the trainer shares: the program folder and the four settings.
class modulePlugo {
public:
    // The folder of the running program, without surrounding spaces. Set once at start.
    QString programmapp;

    qint16 farg = 0;         // colour scheme of the web pages, 0 to 3
    qint16 textstorlek = 0;  // text size of the web pages' words, 0 to 3
    qint16 ingatips = 0;     // not 0: no tooltips
    qint16 barafilnamn = 0;  // 1: the recent-files menu shows file names only

    // A file beside the program.
    QString fileInFolder(const QString &name) const;
};

}  // namespace shell
