// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace spelling {

QStringList dictionaryFolders(const QString &programFolder)
{
    QStringList folders;
#ifndef Q_OS_WIN
    folders << QStringLiteral("/usr/share/hunspell");
#endif
    folders << QDir(programFolder).filePath(QStringLiteral("dictionaries"));
    return folders;
}

namespace {

std::optional<DictionaryFiles> filesIn(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    DictionaryFiles files{dir.filePath(name + QStringLiteral(".aff")), dir.filePath(name + QStringLiteral(".dic"))};
    // QFileInfo follows symbolic links, so a dangling one does not count.
    if (QFileInfo(files.affixFile).isFile() && QFileInfo(files.wordFile).isFile())
        return files;
    return std::nullopt;
}

}  // namespace

std::optional<DictionaryFiles> findDictionary(const QStringList &folders, const QString &code)
{
    if (code.isEmpty())
        return std::nullopt;
    QStringList names{code};
    const qsizetype underscore = code.indexOf(u'_');
    if (underscore > 0)
        names << code.left(underscore);
    for (const QString &name : names) {
        for (const QString &folder : folders) {
            if (auto files = filesIn(folder, name))
                return files;
        }
    }
    return std::nullopt;
}

QByteArray affixEncoding(const QString &affixFile)
{
    QFile file(affixFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        // "SET UTF-8"; a line "SETTINGS ..." would be no SET line.
        if (line.startsWith("SET") && line.size() > 3 && (line[3] == ' ' || line[3] == '\t')) {
            const QByteArray name = line.mid(4).trimmed();
            const qsizetype end = name.indexOf(' ');
            return end < 0 ? name : name.left(end);
        }
    }
    return QByteArrayLiteral("ISO8859-1");
}

namespace {

// ISO8859-15, which older French and German dictionaries use, is Latin-1 but for these eight places;
// Qt without ICU knows no more than Latin-1 itself. Qt's Latin-1 encoder writes "?" for what Latin-1
// lacks, which Hunspell would take for a letter, so both are converted here.
constexpr struct {
    char byte;
    char16_t letter;
} latin9Changes[] = {
    {'\xA4', u'€'}, {'\xA6', u'Š'}, {'\xA8', u'š'}, {'\xB4', u'Ž'},
    {'\xB8', u'ž'}, {'\xBC', u'Œ'}, {'\xBD', u'œ'}, {'\xBE', u'Ÿ'},
};

std::optional<std::string> encodeLatin(QStringView word, bool latin9)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(word.size()));
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        std::optional<char> byte;
        if (u <= 0xFF)
            byte = static_cast<char>(u);
        for (const auto &change : latin9Changes) {
            if (latin9 && change.letter == u)
                byte = change.byte;
            else if (latin9 && static_cast<unsigned char>(change.byte) == u)
                byte.reset();  // the Latin-1 character whose place was taken
        }
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

QString decodeLatin(const std::string &bytes, bool latin9)
{
    QString word;
    word.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        char16_t u = static_cast<unsigned char>(byte);
        for (const auto &change : latin9Changes) {
            if (latin9 && change.byte == byte)
                u = change.letter;
        }
        word += QChar(u);
    }
    return word;
}

}  // namespace

WordCodec::WordCodec(const QByteArray &encoding)
{
    // Hunspell writes "ISO8859-1" where Qt knows "ISO-8859-1".
    QByteArray name = encoding.trimmed().toUpper();
    if (name.startsWith("ISO8859"))
        name.insert(3, '-');
    if (name == "ISO-8859-15") {
        kind_ = Kind::Latin9;
    } else if (const auto known = QStringConverter::encodingForName(name.constData())) {
        kind_ = *known == QStringConverter::Latin1 ? Kind::Latin1 : Kind::Qt;
        qtEncoding_ = *known;
    }
}

std::optional<std::string> WordCodec::encode(QStringView word) const
{
    if (kind_ == Kind::Latin1 || kind_ == Kind::Latin9)
        return encodeLatin(word, kind_ == Kind::Latin9);
    QStringEncoder encoder(qtEncoding_, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(word);
    if (encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

QString WordCodec::decode(const std::string &bytes) const
{
    if (kind_ == Kind::Latin1 || kind_ == Kind::Latin9)
        return decodeLatin(bytes, kind_ == Kind::Latin9);
    QStringDecoder decoder(qtEncoding_, QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

#ifdef Q_OS_WIN

namespace {

// The path in the ANSI code page, which Hunspell built with MinGW opens files with; empty when a
// character of it is not in that code page.
QByteArray inAnsiCodePage(const std::wstring &path)
{
    if (GetACP() == CP_UTF8)  // a program that asks for UTF-8 as its code page
        return QString::fromStdWString(path).toUtf8();
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr, &lost);
    if (size <= 0 || lost)
        return {};
    QByteArray bytes(size, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, bytes.data(), size, nullptr, &lost);
    bytes.chop(1);  // the terminating zero
    return lost ? QByteArray() : bytes;
}

}  // namespace

QByteArray pathForHunspell(const QString &path)
{
    const std::wstring longPath = QDir::toNativeSeparators(path).toStdWString();
    QByteArray bytes = inAnsiCodePage(longPath);
    if (!bytes.isEmpty())
        return bytes;
    // A folder named with letters the code page lacks ("Glosövningar" under a Greek code page): the short
    // name Windows keeps for every file is plain ASCII, unless short names are switched off on that drive.
    const DWORD size = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(longPath.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size)
        return {};
    shortPath.resize(length);
    return inAnsiCodePage(shortPath);
}

#else

QByteArray pathForHunspell(const QString &path)
{
    return QFile::encodeName(path);
}

#endif

}  // namespace spelling
