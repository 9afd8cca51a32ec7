// SPDX-License-Identifier: GPL-3.0-or-later
#include "kvtml.h"

#include "platform/product.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <map>

namespace exchange {

namespace {

// Far more words than any word list a teacher keeps, far fewer than would exhaust the memory of a
// school computer: a file beyond it is not a word list.
constexpr qsizetype kMaxEntries = 100'000;

QString notKvtmlText()
{
    return QStringLiteral("Filen är inte en KVTML-fil.");
}

QString damagedText(qint64 line)
{
    return QStringLiteral("Filen är en skadad KVTML-fil och kan inte läsas (fel på rad %1).").arg(line);
}

QString versionText(const QString &version)
{
    // Version 1 has no version attribute; KWordQuiz and Parley both save version 2 when asked.
    if (version.isEmpty() || version.startsWith(u'1'))
        return QStringLiteral("Filen är en KVTML-fil av version 1, som inte kan läsas. "
                              "Spara den som KVTML 2 i KWordQuiz eller Parley och öppna den igen.");
    return QStringLiteral("Filen är en KVTML-fil av version %1, som inte kan läsas.").arg(version);
}

QString tooManyEntriesText()
{
    static_assert(kMaxEntries == 100'000, "the text names the limit");
    return QStringLiteral("Filen har fler än 100 000 ord och kan inte läsas.");
}

// The text of the element the reader stands on, whatever elements it holds: a later version may
// mark up its words.
QString elementText(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

// <identifier id="N"><name>…</name>…</identifier>, the reader on its start.
void readIdentifier(QXmlStreamReader &xml, std::map<QString, QString> &names)
{
    const QString id = xml.attributes().value(QLatin1String("id")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            names[id] = elementText(xml);
        else
            xml.skipCurrentElement();
    }
}

// <translation id="N"><text>…</text>…</translation>, the reader on its start; grades, comments
// and the like are skipped.
void readTranslation(QXmlStreamReader &xml, std::map<QString, QString> &texts)
{
    const QString id = xml.attributes().value(QLatin1String("id")).toString();
    QString &text = texts[id];
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("text"))
            text = elementText(xml);
        else
            xml.skipCurrentElement();
    }
}

// Characters XML 1.0 has no place for, not even as a reference, are left out: a reader would
// refuse the whole file for one of them.
bool fitsXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

QString xmlText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && fitsXml(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

// The ISO 639-1 code KDE's programs look languages up by, from a name as a Swedish teacher writes
// it, in Swedish or in English; empty when unknown.
QString localeOf(const QString &language)
{
    static const std::map<QString, QString> codes = {
        {QStringLiteral("arabiska"), QStringLiteral("ar")},   {QStringLiteral("arabic"), QStringLiteral("ar")},
        {QStringLiteral("danska"), QStringLiteral("da")},     {QStringLiteral("danish"), QStringLiteral("da")},
        {QStringLiteral("engelska"), QStringLiteral("en")},   {QStringLiteral("english"), QStringLiteral("en")},
        {QStringLiteral("finska"), QStringLiteral("fi")},     {QStringLiteral("finnish"), QStringLiteral("fi")},
        {QStringLiteral("franska"), QStringLiteral("fr")},    {QStringLiteral("french"), QStringLiteral("fr")},
        {QStringLiteral("grekiska"), QStringLiteral("el")},   {QStringLiteral("greek"), QStringLiteral("el")},
        {QStringLiteral("isländska"), QStringLiteral("is")},  {QStringLiteral("icelandic"), QStringLiteral("is")},
        {QStringLiteral("italienska"), QStringLiteral("it")}, {QStringLiteral("italian"), QStringLiteral("it")},
        {QStringLiteral("japanska"), QStringLiteral("ja")},   {QStringLiteral("japanese"), QStringLiteral("ja")},
        {QStringLiteral("kinesiska"), QStringLiteral("zh")},  {QStringLiteral("chinese"), QStringLiteral("zh")},
        {QStringLiteral("latin"), QStringLiteral("la")},
        {QStringLiteral("nederländska"), QStringLiteral("nl")}, {QStringLiteral("holländska"), QStringLiteral("nl")},
        {QStringLiteral("dutch"), QStringLiteral("nl")},
        {QStringLiteral("norska"), QStringLiteral("no")},     {QStringLiteral("norwegian"), QStringLiteral("no")},
        {QStringLiteral("polska"), QStringLiteral("pl")},     {QStringLiteral("polish"), QStringLiteral("pl")},
        {QStringLiteral("portugisiska"), QStringLiteral("pt")}, {QStringLiteral("portuguese"), QStringLiteral("pt")},
        {QStringLiteral("ryska"), QStringLiteral("ru")},      {QStringLiteral("russian"), QStringLiteral("ru")},
        {QStringLiteral("spanska"), QStringLiteral("es")},    {QStringLiteral("spanish"), QStringLiteral("es")},
        {QStringLiteral("svenska"), QStringLiteral("sv")},    {QStringLiteral("swedish"), QStringLiteral("sv")},
        {QStringLiteral("tyska"), QStringLiteral("de")},      {QStringLiteral("german"), QStringLiteral("de")},
        {QStringLiteral("turkiska"), QStringLiteral("tr")},   {QStringLiteral("turkish"), QStringLiteral("tr")},
    };
    const auto found = codes.find(language.trimmed().toLower());
    return found == codes.end() ? QString() : found->second;
}

void writeIdentifier(QXmlStreamWriter &xml, int id, const QString &language)
{
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), xmlText(language));
    if (const QString locale = localeOf(language); !locale.isEmpty())
        xml.writeTextElement(QStringLiteral("locale"), locale);
    xml.writeEndElement();
}

void writeTranslation(QXmlStreamWriter &xml, int id, const QString &text)
{
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    // As KDE's own writer: an empty translation has no text element.
    if (const QString kept = xmlText(text); !kept.isEmpty())
        xml.writeTextElement(QStringLiteral("text"), kept);
    xml.writeEndElement();
}

}  // namespace

std::optional<ImportedTable> readKvtml(QByteArrayView bytes, QString *error)
{
    const auto refuse = [error](const QString &text) -> std::optional<ImportedTable> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QXmlStreamReader xml(data);
    // Anything that fails before the first element is some other kind of file.
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("kvtml"))
        return refuse(notKvtmlText());
    const QString version = xml.attributes().value(QLatin1String("version")).toString();
    if (version != QLatin1String("2") && !version.startsWith(QLatin1String("2.")))
        return refuse(versionText(version));

    std::map<QString, QString> languages;
    QList<QStringList> rows;
    qsizetype entries = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("identifiers")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("identifier"))
                    readIdentifier(xml, languages);
                else
                    xml.skipCurrentElement();
            }
        } else if (xml.name() == QLatin1String("entries")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("entry")) {
                    xml.skipCurrentElement();
                    continue;
                }
                if (++entries > kMaxEntries)
                    return refuse(tooManyEntriesText());
                std::map<QString, QString> texts;
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("translation"))
                        readTranslation(xml, texts);
                    else
                        xml.skipCurrentElement();
                }
                const QString word = texts[QStringLiteral("0")];
                const QString meaning = texts[QStringLiteral("1")];
                if (!meaning.isEmpty())
                    rows.append({word, meaning});
                else if (!word.isEmpty())
                    rows.append({word});
            }
        } else {
            // The information, the lessons with their references to the entries, word types and
            // the rest: the entries are already in order without them.
            xml.skipCurrentElement();
        }
    }
    // A file cut short or with anything after its end is damaged, and nothing is taken from it.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return refuse(damagedText(xml.lineNumber()));

    ImportedTable table;
    table.sprak1 = languages[QStringLiteral("0")];
    table.sprak2 = languages[QStringLiteral("1")];
    table.rows = std::move(rows);
    return table;
}

QByteArray kvtmlBytes(const vocabulary::Document &document, const QString &title)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    // One space a level, as KDE's own writer indents.
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), platform::productTitle());
    xml.writeTextElement(QStringLiteral("title"), xmlText(title));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(xml, 0, document.sprak1);
    writeIdentifier(xml, 1, document.sprak2);
    xml.writeEndElement();

    int entries = 0;
    xml.writeStartElement(QStringLiteral("entries"));
    for (const vocabulary::Entry &entry : document.entries) {
        if (entry.isEmpty())
            continue;
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(entries++));
        writeTranslation(xml, 0, entry.word);
        writeTranslation(xml, 1, joinedMeanings(entry.meanings));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    // KWordQuiz and Parley practise lessons: every entry goes into one, named as the file.
    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title.isEmpty() ? QStringLiteral("Glosor") : xmlText(title));
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (int id = 0; id < entries; ++id) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    }
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QString joinedMeanings(const QStringList &meanings)
{
    return meanings.join(QStringLiteral("; "));
}

}  // namespace exchange
