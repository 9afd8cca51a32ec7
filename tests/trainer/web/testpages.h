// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/glosor.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
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
