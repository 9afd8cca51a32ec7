// SPDX-License-Identifier: GPL-3.0-or-later
#include "speller.h"

#include "dictionaries.h"
#include "languages.h"

#include <QDir>
#include <QFile>
#include <hunspell/hunspell.hxx>

namespace spelling {

namespace {

enum class Kind { Letter, Digit, Joiner, Other };

// What the character at i is; width is 2 for a letter outside the basic plane.
Kind kindAt(QStringView text, qsizetype i, qsizetype &width)
{
    width = 1;
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        width = 2;
    }
    // Marks are the accents of letters written apart ("a" and a combining ring make "å").
    if (QChar::isLetter(c) || QChar::isMark(c))
        return Kind::Letter;
    if (QChar::isDigit(c))
        return Kind::Digit;
    if (c == u'\'' || c == u'’' || c == u'ʼ' || c == u'-')
        return Kind::Joiner;
    return Kind::Other;
}

}  // namespace

QList<WordRange> splitWords(QStringView text)
{
    QList<WordRange> words;
    qsizetype i = 0;
    qsizetype width = 1;
    while (i < text.size()) {
        Kind kind = kindAt(text, i, width);
        if (kind != Kind::Letter && kind != Kind::Digit) {
            i += width;
            continue;
        }
        const qsizetype start = i;
        bool hasDigit = false;
        while (i < text.size()) {
            kind = kindAt(text, i, width);
            if (kind == Kind::Letter || kind == Kind::Digit) {
                hasDigit = hasDigit || kind == Kind::Digit;
                i += width;
                continue;
            }
            // A joiner belongs to the word only with a letter or digit on both sides: a quote mark
            // or a dash at its edge does not.
            qsizetype next = 0;
            if (kind == Kind::Joiner && i + 1 < text.size()) {
                const Kind after = kindAt(text, i + 1, next);
                if (after == Kind::Letter || after == Kind::Digit) {
                    i += 1;
                    continue;
                }
            }
            break;
        }
        if (!hasDigit)
            words << WordRange{start, i - start};
    }
    return words;
}

// A loaded Hunspell dictionary and the character set it wants words in.
class WordChecker {
public:
    WordChecker(const QByteArray &affixPath, const QByteArray &wordPath, const QByteArray &encoding)
        : hunspell_(affixPath.constData(), wordPath.constData()), codec_(encoding)
    {
    }

    bool spell(QStringView word)
    {
        const auto bytes = codec_.encode(word);
        return bytes && hunspell_.spell(*bytes);
    }

    QStringList suggest(QStringView word, int max)
    {
        QStringList proposals;
        const auto bytes = codec_.encode(word);
        if (!bytes)
            return proposals;
        for (const std::string &proposal : hunspell_.suggest(*bytes)) {
            if (proposals.size() >= max)
                break;
            const QString decoded = codec_.decode(proposal);
            if (!proposals.contains(decoded))
                proposals << decoded;
        }
        return proposals;
    }

    void add(const QString &word)
    {
        if (const auto bytes = codec_.encode(word))
            hunspell_.add(*bytes);
    }

private:
    Hunspell hunspell_;
    WordCodec codec_;
};

Speller::Speller() : loaded_(true) {}

Speller::Speller(const QString &code, const QStringList &dictionaryFolders, const QString &personalFolder)
    : code_(code), folders_(dictionaryFolders), personalFolder_(personalFolder)
{
}

Speller::~Speller() = default;

void Speller::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    if (!personalFolder_.isEmpty())
        personal_.emplace(personalFolder_, code_);
    if (personal_ && !personal_->errorString().isEmpty())
        problem_ = personal_->errorString();

    const auto files = findDictionary(folders_, code_);
    if (!files) {
        problem_ = QStringLiteral("Ordlistan %1 finns inte i %2.").arg(code_, QDir::toNativeSeparators(folders_.join(QStringLiteral(", "))));
        return;
    }
    const QByteArray encoding = affixEncoding(files->affixFile);
    if (encoding.isEmpty() || !QFile(files->wordFile).open(QIODevice::ReadOnly)) {
        problem_ = QStringLiteral("Ordlistan %1 kunde inte läsas.").arg(QDir::toNativeSeparators(files->wordFile));
        return;
    }
    if (!WordCodec(encoding).isValid()) {
        problem_ = QStringLiteral("Ordlistan %1 är skriven i teckenkodningen %2, som programmet inte kan läsa.")
                       .arg(QDir::toNativeSeparators(files->affixFile), QString::fromLatin1(encoding));
        return;
    }
    const QByteArray affixPath = pathForHunspell(files->affixFile);
    const QByteArray wordPath = pathForHunspell(files->wordFile);
    if (affixPath.isEmpty() || wordPath.isEmpty()) {
        problem_ = QStringLiteral("Ordlistan %1 ligger i en mapp vars namn inte kan läsas av stavningskontrollen.")
                       .arg(QDir::toNativeSeparators(files->wordFile));
        return;
    }
    checker_ = std::make_unique<WordChecker>(affixPath, wordPath, encoding);
    if (personal_) {
        for (const QString &word : personal_->words())
            checker_->add(word);
    }
}

bool Speller::checks()
{
    load();
    return checker_ != nullptr;
}

bool Speller::isCorrect(QStringView word)
{
    load();
    if (!checker_ || word.isEmpty())
        return true;
    const QString text = word.toString();
    if (ignored_.contains(text) || (personal_ && personal_->contains(text)))
        return true;
    return checker_->spell(word);
}

QStringList Speller::suggestions(QStringView word, int max)
{
    load();
    if (!checker_ || max <= 0)
        return {};
    return checker_->suggest(word, max);
}

QList<WordRange> Speller::misspeltWords(QStringView text)
{
    QList<WordRange> misspelt;
    if (!checks())
        return misspelt;
    for (const WordRange &range : splitWords(text)) {
        if (!isCorrect(text.mid(range.start, range.length)))
            misspelt << range;
    }
    return misspelt;
}

bool Speller::addToPersonalWords(const QString &word)
{
    load();
    ignored_.insert(word.trimmed());
    if (!personal_) {
        problem_ = QStringLiteral("Det finns ingen mapp att spara egna ord i.");
        return false;
    }
    if (!personal_->add(word)) {
        problem_ = personal_->errorString();
        return false;
    }
    if (checker_)
        checker_->add(word.trimmed());
    return true;
}

void Speller::ignore(const QString &word)
{
    ignored_.insert(word.trimmed());
}

Spellers::Spellers(const QStringList &dictionaryFolders, const QString &personalFolder)
    : folders_(dictionaryFolders), personalFolder_(personalFolder)
{
}

Spellers::~Spellers() = default;

Speller &Spellers::forLanguage(QStringView languageName)
{
    const QString code = dictionaryForLanguage(languageName);
    return code.isEmpty() ? none_ : forDictionary(code);
}

Speller &Spellers::forDictionary(const QString &code)
{
    if (code.isEmpty())
        return none_;
    std::unique_ptr<Speller> &speller = spellers_[code];
    if (!speller)
        speller = std::make_unique<Speller>(code, folders_, personalFolder_);
    return *speller;
}

}  // namespace spelling
