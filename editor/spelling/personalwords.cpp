// SPDX-License-Identifier: GPL-3.0-or-later
#include "personalwords.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace spelling {

PersonalWords::PersonalWords(const QString &folder, const QString &code)
    : folder_(folder), path_(QDir(folder).filePath(code + QStringLiteral(".txt")))
{
    QFile file(path_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_ = true;
        error_ = QStringLiteral("Dina egna ord i %1 kunde inte läsas: %2").arg(QDir::toNativeSeparators(path_), file.errorString());
        return;
    }
    // The user may have edited the file by hand: a byte order mark, CR LF and blank lines are fine.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(file.readAll());
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QString word = line.trimmed().toString();
        if (!word.isEmpty() && !known_.contains(word)) {
            known_.insert(word);
            words_ << word;
        }
    }
}

bool PersonalWords::add(const QString &word)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u'\n') || trimmed.contains(u'\r')) {
        error_ = QStringLiteral("”%1” är inget ord som kan sparas.").arg(trimmed);
        return false;
    }
    if (known_.contains(trimmed))
        return true;
    if (unreadable_)
        return false;  // error_ says why
    QStringList words = words_;
    words << trimmed;
    QSaveFile file(path_);
    const auto failed = [&](const QString &why) {
        error_ = QStringLiteral("Ordet kunde inte sparas i %1: %2").arg(QDir::toNativeSeparators(path_), why);
        return false;
    };
    if (!QDir().mkpath(folder_))
        return failed(QStringLiteral("mappen kunde inte skapas"));
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    const QByteArray bytes = (words.join(u'\n') + u'\n').toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed(file.errorString());
    words_ = words;
    known_.insert(trimmed);
    error_.clear();
    return true;
}

}  // namespace spelling
