// SPDX-License-Identifier: GPL-3.0-or-later
// The writer against the loader, both ways:
// 'a' + text: a vocabulary built from the text (fields split by \1, a word from its meanings by \2)
//   that the editor's rules accept is written and loaded back unchanged;
// 'b' + bytes: whatever the loader accepts is written and loaded again to the same vocabulary, and
//   writing that again gives the same bytes.
// Nothing the writer writes is passed over by the loader.
#include "vocabfile/glosor.h"
#include "vocabfile/rules.h"
#include "vocabfile/writer.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace vocabulary;

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

static bool same(const Glosor &a, const Glosor &b)
{
    if (a.sprak1 != b.sprak1 || a.sprak2 != b.sprak2 || a.antalord() != b.antalord())
        return false;
    for (int i = 0; i < a.antalord(); ++i) {
        const ordpost &p = a.ordlista[static_cast<std::size_t>(i)];
        const ordpost &q = b.ordlista[static_cast<std::size_t>(i)];
        if (p.ord != q.ord || p.antalbet != q.antalbet)
            return false;
        for (int k = 0; k < p.antalbet; ++k) {
            if (p.bet[static_cast<std::size_t>(k)] != q.bet[static_cast<std::size_t>(k)])
                return false;
        }
    }
    return true;
}

static Glosor loaded(const QByteArray &bytes)
{
    LoadResult result = parseVocabulary(decodeVocabulary(bytes));
    check(result.glosor.has_value());
    return std::move(*result.glosor);
}

static void fromRules(const QByteArray &bytes)
{
    const QStringList fields = QString::fromUtf8(bytes).split(QChar(1));
    Document document{fields.value(0), fields.value(1), {}};
    for (qsizetype i = 2; i < fields.size() && i < 2 + kMaxWords + 2; ++i) {
        QStringList parts = fields[i].split(QChar(2));
        Entry entry{parts.takeFirst(), parts};
        document.entries.push_back(std::move(entry));
    }
    if (firstProblem(document))
        return;
    const Glosor glosor = toGlosor(document);
    const bool fits = !windows1252Misfit(document).has_value();
    const auto windows1252 = writeVocabulary(glosor, Encoding::Windows1252);
    check(windows1252.has_value() == fits);
    const auto utf8 = writeVocabulary(glosor, Encoding::Utf8);
    check(utf8.has_value());
    check(same(loaded(*utf8), glosor));
    check(!firstIgnoredText(decodeVocabulary(*utf8)).has_value());
    if (windows1252)
        check(same(loaded(*windows1252), glosor));
}

static void fromFile(const QByteArray &bytes)
{
    const QString text = decodeVocabulary(bytes);
    const LoadResult first = parseVocabulary(text);
    if (!first.glosor)
        return;
    firstIgnoredText(text);
    Encoding encoding = vocabularyEncoding(bytes);
    auto written = writeVocabulary(*first.glosor, encoding);
    if (!written) {
        // Only a Windows-1252 text whose bytes would be taken for UTF-8 needs the other encoding.
        check(encoding == Encoding::Windows1252);
        encoding = Encoding::Utf8;
        written = writeVocabulary(*first.glosor, encoding);
    }
    check(written.has_value());
    const Glosor second = loaded(*written);
    check(!firstIgnoredText(decodeVocabulary(*written)).has_value());
    check(same(second, *first.glosor));
    check(writeVocabulary(second, encoding) == written);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size) - 1);
    if (data[0] == 'a')
        fromRules(bytes);
    else
        fromFile(bytes);
    return 0;
}
