// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A program folder of the test's own, removed afterwards.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const;
    // Writes the bytes to a file in the folder and returns its path.
    QString write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// The folder of the data files that ship beside the programs.
QString dataFolder();

// Puts the two feedback pictures, "smiling.gif" and "argtant.gif", in the folder: the shipped ones
// when they exist, otherwise small stand-ins that load the same way.
void installPictures(const QString &folder);

}  // namespace testing_support
