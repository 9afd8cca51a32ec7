// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/glosor.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <iostream>
#include <utility>
#include <vector>

namespace webtest {

// A word and its meanings, as a test writes them into a vocabulary file.
struct Entry {
    QString word;
    QStringList meanings;
};

// Five words: one with three meanings, one with two, one with none, and two with one.
inline std::vector<Entry> englishWords()
{
    return {
        {"hund", {"dog", "hound", "cur"}},
        {"katt", {"cat"}},
        {"häst", {"horse", "steed"}},
        {"tom", {}},
        {"fågel", {"bird"}},
    };
}

// Words, meanings and language names full of characters a page must not take as markup.
inline std::vector<Entry> markupWords()
{
    return {
        {"<b>fet</b>", {"bold & \"strong\""}},
        {"R&B", {"rhythm & blues", "<script>alert(1)</script>"}},
        {"café", {"coffee"}},
        {"€uro", {"euro"}},
    };
}

// The file as the editor writes it: Windows-1252, CR LF. A word without meanings gets a meanings
// field without any "$".
inline QByteArray vocabularyFile(const QString &header, const std::vector<Entry> &entries)
{
    QString text = header + QStringLiteral("\r\n");
    for (const Entry &e : entries) {
        text += e.word + u',';
        if (e.meanings.isEmpty())
            text += QStringLiteral("inget");
        for (const QString &m : e.meanings)
            text += m + u'$';
        text += QStringLiteral("\r\n");
    }
    QByteArray bytes;
    for (const QChar ch : text)
        bytes.append(ch == QChar(0x20AC) ? '\x80' : static_cast<char>(ch.unicode()));
    return bytes;
}

// The same words as the model holds them after a load.
inline vocabulary::Glosor glosorOf(const QString &sprak1, const QString &sprak2, const std::vector<Entry> &entries)
{
    vocabulary::Glosor glosor;
    glosor.sprak1 = sprak1;
    glosor.sprak2 = sprak2;
    for (const Entry &e : entries) {
        vocabulary::ordpost post;
        post.ord = e.word;
        post.antalbet = static_cast<int>(e.meanings.size());
        for (int j = 0; j < post.antalbet; ++j)
            post.bet[j] = e.meanings[j];
        glosor.ordlista.push_back(post);
    }
    return glosor;
}

// A stored page the writers must match byte for byte.
inline QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(WEB_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing golden file " + name.toUtf8());
}

// Whether a page is the stored one, byte for byte; a mismatch names its first differing line. With
// PLUGO_WRITE_GOLDEN=1 in the environment the page is stored as the golden page instead, and the test
// says so: a deliberate change of the pages is written once and reviewed with git diff.
inline ::testing::AssertionResult matchesGolden(const QByteArray &page, const QString &name)
{
    const QString path = QStringLiteral(WEB_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariable("PLUGO_WRITE_GOLDEN") == QStringLiteral("1")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size() || !file.flush())
            return ::testing::AssertionFailure() << "could not write the golden page " << path.toStdString();
        std::cout << "PLUGO_WRITE_GOLDEN: wrote " << path.toStdString() << std::endl;
        return ::testing::AssertionSuccess();
    }
    const QByteArray stored = golden(name);
    if (page == stored)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> got = page.split('\n');
    const QList<QByteArray> want = stored.split('\n');
    qsizetype line = 0;
    while (line < got.size() && line < want.size() && got[line] == want[line])
        ++line;
    const auto shown = [line](const QList<QByteArray> &lines) {
        return line < lines.size() ? QByteArray(lines[line]).replace('\r', "").toStdString() : std::string("(end)");
    };
    return ::testing::AssertionFailure() << "the page differs from " << name.toStdString() << " at line " << line + 1
                                         << "\n  stored: " << shown(want) << "\n  page:   " << shown(got)
                                         << "\n(PLUGO_WRITE_GOLDEN=1 writes the page as the new golden page)";
}

// The lines of a page, without their CR LF.
inline QList<QByteArray> linesOf(const QByteArray &page)
{
    QList<QByteArray> lines = page.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

}  // namespace webtest
