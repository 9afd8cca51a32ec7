// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's imports against the vocabulary file: any bytes are read as delimited text (with a
// few column choices) and as KVTML. Neither reader may fail on them, and whatever rows they give,
// fitted to the file as the editor fits them, are written and loaded back to the same words and
// meanings. What KVTML the editor writes of them is read back to the same rows.
#include "editor/exchange/delimited.h"
#include "editor/exchange/kvtml.h"
#include "vocabfile/glosor.h"
#include "vocabfile/rules.h"
#include "vocabfile/writer.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace vocabulary;

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The rows as the editor takes them into its table: what a field cannot hold left out, empty
// meanings dropped, no more words and meanings than the file has room for.
static Document fitted(const QString &sprak1, const QString &sprak2, const QList<QStringList> &rows)
{
    Document document{withoutRefused(sprak1, FieldKind::Language1), withoutRefused(sprak2, FieldKind::Language2), {}};
    for (const QStringList &row : rows) {
        if (document.entries.size() == static_cast<std::size_t>(kMaxWords))
            break;
        Entry entry{withoutRefused(row.value(0), FieldKind::Word), {}};
        for (qsizetype k = 1; k < row.size() && entry.meanings.size() < kMaxMeanings; ++k) {
            const QString meaning = withoutRefused(row.at(k), FieldKind::Meaning);
            if (!meaning.isEmpty())
                entry.meanings.append(meaning);
        }
        if (!entry.isEmpty())
            document.entries.push_back(std::move(entry));
    }
    return document;
}

// True when every character has a place in XML 1.0, which the KVTML writer leaves out otherwise.
static bool fitsXml(const Document &document)
{
    const auto fits = [](const QString &text) {
        for (const QChar c : text) {
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
                return false;
        }
        return true;
    };
    if (!fits(document.sprak1) || !fits(document.sprak2))
        return false;
    for (const Entry &entry : document.entries) {
        if (!fits(entry.word) || !std::all_of(entry.meanings.begin(), entry.meanings.end(), fits))
            return false;
    }
    return true;
}

static void roundTrip(const Document &document)
{
    check(!firstProblem(document).has_value());
    const auto written = writeVocabulary(toGlosor(document), Encoding::Utf8);
    check(written.has_value());
    const LoadResult loaded = parseVocabulary(decodeVocabulary(*written));
    check(loaded.glosor.has_value());
    const Glosor &glosor = *loaded.glosor;
    check(glosor.sprak1 == document.sprak1 && glosor.sprak2 == document.sprak2);
    check(glosor.ordlista.size() == document.entries.size());
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        const ordpost &post = glosor.ordlista[i];
        check(post.ord == entry.word && post.antalbet == entry.meanings.size());
        for (int k = 0; k < post.antalbet; ++k)
            check(post.bet[static_cast<std::size_t>(k)] == entry.meanings.at(k));
    }

    if (!fitsXml(document))
        return;
    const auto again = exchange::readKvtml(exchange::kvtmlBytes(document, QStringLiteral("x")));
    check(again.has_value());
    check(again->sprak1 == document.sprak1 && again->sprak2 == document.sprak2);
    check(again->rows.size() == static_cast<qsizetype>(document.entries.size()));
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        QStringList row{entry.word};
        if (!entry.meanings.isEmpty())
            row.append(exchange::joinedMeanings(entry.meanings));
        check(again->rows.at(static_cast<qsizetype>(i)) == row);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    const exchange::DelimitedFormat format = exchange::guessFormat(bytes);
    const QList<QStringList> fields =
        exchange::parseDelimited(exchange::decodeText(bytes, format.encoding), format.separator);
    for (const exchange::ColumnChoice &choice :
         {exchange::ColumnChoice{}, exchange::ColumnChoice{0, {}, true}, exchange::ColumnChoice{1, {3, 0}, true}})
        roundTrip(fitted({}, {}, exchange::tableRows(fields, choice)));

    if (const auto table = exchange::readKvtml(bytes))
        roundTrip(fitted(table->sprak1, table->sprak2, table->rows));
    return 0;
}
