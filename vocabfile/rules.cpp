// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"

#include "platform/windows1252.h"
#include "writer.h"

#include <QHash>
#include <algorithm>

namespace vocabulary {

Document toDocument(const Glosor &glosor)
{
    Document document{glosor.sprak1, glosor.sprak2, {}};
    document.entries.reserve(glosor.ordlista.size());
    for (const ordpost &post : glosor.ordlista) {
        Entry entry{post.ord, {}};
        for (int k = 0; k < post.antalbet && k < kMaxMeanings; ++k)
            entry.meanings.append(post.bet[k]);
        document.entries.push_back(std::move(entry));
    }
    return document;
}

Glosor toGlosor(const Document &document)
{
    Glosor glosor;
    glosor.sprak1 = document.sprak1;
    glosor.sprak2 = document.sprak2;
    for (const Entry &entry : document.entries) {
        if (entry.isEmpty())
            continue;
        ordpost post;
        post.ord = entry.word;
        // More than four cannot be written; the writer refuses the count.
        post.antalbet = static_cast<int>(entry.meanings.size());
        for (int k = 0; k < post.antalbet && k < kMaxMeanings; ++k)
            post.bet[k] = entry.meanings.at(k);
        glosor.ordlista.push_back(std::move(post));
    }
    return glosor;
}

void setMeaning(QStringList &meanings, int index, const QString &text)
{
    if (index < 0)
        return;
    if (text.isEmpty() && index >= meanings.size())
        return;
    while (meanings.size() <= index)
        meanings.append(QString());
    meanings[index] = text;
    while (!meanings.isEmpty() && meanings.constLast().isEmpty())
        meanings.removeLast();
}

namespace {

// What is refused, and why, said as it is refused and as it is left out of pasted text.
struct Reason {
    QString refused;
    QString leftOut;
};

const Reason kQuote{QStringLiteral("Citattecken (\") kan inte sparas i en glosfil."),
                    QStringLiteral("citattecken togs bort, eftersom de inte kan sparas i en glosfil.")};
const Reason kLineBreak{QStringLiteral("Radbrytningar kan inte sparas i en glosfil."),
                        QStringLiteral("radbrytningar togs bort, eftersom de inte kan sparas i en glosfil.")};
const Reason kDollar{QStringLiteral("Tecknet $ skiljer betydelserna åt i filen och kan inte stå i en betydelse."),
                     QStringLiteral("tecknet $ togs bort, eftersom det inte kan stå i en betydelse.")};
const Reason kDash{QStringLiteral("Tecknet - skiljer språknamnen åt i filen och kan inte stå i ett språknamn."),
                   QStringLiteral("tecknet - togs bort, eftersom det inte kan stå i ett språknamn.")};
const Reason kBracket{QStringLiteral("Tecknet ] avslutar språknamnen i filen och kan inte stå i ett språknamn."),
                      QStringLiteral("tecknet ] togs bort, eftersom det inte kan stå i ett språknamn.")};
const Reason kLoneSurrogate{QStringLiteral("Tecknet kan inte sparas i en glosfil."),
                            QStringLiteral("ett tecken togs bort, eftersom det inte kan sparas i en glosfil.")};

}  // namespace

std::optional<Refusal> firstRefused(QStringView text, FieldKind kind)
{
    const bool isName = kind == FieldKind::Language1 || kind == FieldKind::Language2;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const Reason *reason = nullptr;
        if (c == u'"')
            reason = &kQuote;
        else if (c == u'\r' || c == u'\n')
            reason = &kLineBreak;
        else if (c == u'$' && kind == FieldKind::Meaning)
            reason = &kDollar;
        // The header walk switches to language 2 at the first "-" and drops every later one, so
        // neither name can keep one.
        else if (c == u'-' && isName)
            reason = &kDash;
        else if (c == u']' && isName)
            reason = &kBracket;
        else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            reason = &kLoneSurrogate;
        if (reason)
            return Refusal{i, c == u'\r' || c == u'\n' ? QStringLiteral("radbrytning") : QString(c), reason->refused,
                           reason->leftOut};
    }
    return std::nullopt;
}

QString withoutRefused(QStringView text, FieldKind kind, std::optional<Refusal> *first)
{
    QString kept;
    qsizetype from = 0;
    // One pass: each search starts after the character it last found.
    while (const auto refusal = firstRefused(text.sliced(from), kind)) {
        if (first && !*first)
            *first = Refusal{from + refusal->position, refusal->character, refusal->reason, refusal->leftOut};
        kept += text.sliced(from, refusal->position);
        from += refusal->position + 1;
    }
    if (from == 0)
        return text.toString();
    kept += text.sliced(from);
    return kept;
}

QString tooManyWordsText()
{
    return QStringLiteral("En glosfil kan inte ha fler än %1 ord.").arg(kMaxWords);
}

QString tooManyMeaningsText()
{
    return QStringLiteral("Ett ord kan inte ha fler än %1 betydelser.").arg(kMaxMeanings);
}

std::optional<Problem> firstProblem(const Document &document)
{
    if (const auto refusal = firstRefused(document.sprak1, FieldKind::Language1))
        return Problem{0, 0, QStringLiteral("Språk 1: ") + refusal->reason};
    if (const auto refusal = firstRefused(document.sprak2, FieldKind::Language2))
        return Problem{0, 1, QStringLiteral("Språk 2: ") + refusal->reason};
    int words = 0;
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        const int row = static_cast<int>(i) + 1;
        const QString where = QStringLiteral("Rad %1: ").arg(row);
        if (entry.isEmpty())
            continue;
        if (++words > kMaxWords)
            return Problem{row, 0, where + tooManyWordsText()};
        if (entry.meanings.size() > kMaxMeanings)
            return Problem{row, kMaxMeanings + 1, where + tooManyMeaningsText()};
        if (const auto refusal = firstRefused(entry.word, FieldKind::Word))
            return Problem{row, 0, where + refusal->reason};
        for (int k = 0; k < entry.meanings.size(); ++k) {
            if (const auto refusal = firstRefused(entry.meanings.at(k), FieldKind::Meaning))
                return Problem{row, k + 1, where + refusal->reason};
        }
    }
    return std::nullopt;
}

std::vector<Warning> warnings(const Document &document)
{
    std::vector<Warning> found;
    const bool started = !document.sprak1.isEmpty() || !document.sprak2.isEmpty() ||
                         std::any_of(document.entries.begin(), document.entries.end(), [](const Entry &e) { return !e.isEmpty(); });
    if (started && document.sprak1.isEmpty())
        found.push_back({WarningKind::EmptyLanguage1, 0, 0, {}, QStringLiteral("Språk 1: namnet är tomt.")});
    if (started && document.sprak2.isEmpty())
        found.push_back({WarningKind::EmptyLanguage2, 0, 0, {}, QStringLiteral("Språk 2: namnet är tomt.")});
    QHash<QString, int> firstRowOf;  // meaning -> the first row it stands in
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        const int row = static_cast<int>(i) + 1;
        if (entry.isEmpty())
            continue;
        if (entry.word.isEmpty())
            found.push_back({WarningKind::EmptyWord, row, 0, {}, QStringLiteral("Rad %1: ordet är tomt.").arg(row)});
        if (entry.meanings.isEmpty())
            found.push_back({WarningKind::NoMeaning, row, 0, {},
                             QStringLiteral("Rad %1: ordet har ingen betydelse och frågas aldrig.").arg(row)});
        for (int k = 0; k < entry.meanings.size(); ++k) {
            const QString &meaning = entry.meanings.at(k);
            if (meaning.isEmpty()) {
                found.push_back({WarningKind::EmptyMeaning, row, 0, {},
                                 QStringLiteral("Rad %1: betydelse %2 är tom och frågas med en tom fråga.").arg(row).arg(k + 1)});
                continue;
            }
            const auto earlier = firstRowOf.constFind(meaning);
            if (earlier == firstRowOf.cend()) {
                firstRowOf.insert(meaning, row);
            } else if (document.entries[static_cast<std::size_t>(*earlier - 1)].word != entry.word) {
                found.push_back({WarningKind::SharedMeaning, row, *earlier, meaning,
                                 QStringLiteral("Rad %1: betydelsen \"%2\" finns också på rad %3, så eleven kan inte veta vilket ord som frågas.")
                                     .arg(row).arg(meaning).arg(*earlier)});
            }
        }
    }
    return found;
}

namespace {

std::optional<QString> firstUnfit(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!platform::fitsWindows1252(text.at(i).unicode())) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            return text.mid(i, pair ? 2 : 1).toString();
        }
    }
    return std::nullopt;
}

bool hasHighByte(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return true;
    }
    return false;
}

}  // namespace

std::optional<Windows1252Misfit> windows1252Misfit(const Document &document)
{
    if (const auto c = firstUnfit(document.sprak1))
        return Windows1252Misfit{0, *c};
    if (const auto c = firstUnfit(document.sprak2))
        return Windows1252Misfit{0, *c};
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        if (const auto c = firstUnfit(entry.word))
            return Windows1252Misfit{static_cast<int>(i) + 1, *c};
        for (const QString &meaning : entry.meanings) {
            if (const auto c = firstUnfit(meaning))
                return Windows1252Misfit{static_cast<int>(i) + 1, *c};
        }
    }
    // Every character has a byte. The file is still misread when all its bytes together form
    // UTF-8; since the separators are plain ASCII, the first field with a byte above 127 is one
    // whose characters would change.
    const auto text = vocabularyText(toGlosor(document));
    if (!text || !misreadAsUtf8(*text))
        return std::nullopt;
    if (hasHighByte(document.sprak1) || hasHighByte(document.sprak2))
        return Windows1252Misfit{0, {}};
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry &entry = document.entries[i];
        bool high = hasHighByte(entry.word);
        for (const QString &meaning : entry.meanings)
            high = high || hasHighByte(meaning);
        if (high)
            return Windows1252Misfit{static_cast<int>(i) + 1, {}};
    }
    return std::nullopt;
}

}  // namespace vocabulary
