// SPDX-License-Identifier: GPL-3.0-or-later
#include "release.h"

#include "platform/atomicfile.h"
#include "platform/inetplugo.h"
#include "platform/windows1252.h"
#include "trust/release.h"
#include "updater/versionfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace publish {

namespace {

using Dates = std::array<QDate, updater::kProductCount>;

// The option that names each product's installer, in product order.
const std::array<QString, updater::kProductCount> kProductOptions{
    QStringLiteral("--plugo"), QStringLiteral("--editor"), QStringLiteral("--update")};

QString productName(int row)
{
    return kProductOptions[row].mid(2);
}

std::optional<QDate> commandLineDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// What the updater makes of the bytes: the dates and the message, or nothing when it finds no
// three dates in them.
std::optional<std::pair<Dates, QString>> readAsUpdater(const QByteArray &bytes)
{
    const updater::VersionFile file = updater::splitVersionFile(platform::decodeWindows1252(bytes));
    const std::optional<Dates> dates = updater::readServerDates(file);
    if (!dates)
        return std::nullopt;
    return std::make_pair(*dates, file.message);
}

QString describe(const Dates &dates)
{
    QStringList texts;
    for (const QDate &date : dates)
        texts << date.toString(Qt::ISODate);
    return texts.join(QStringLiteral(", "));
}

// Streams the installer into place through a temporary file beside it.
QString copyInstaller(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(from, source.errorString());
    platform::AtomicFile target(to);
    if (!target.open())
        return QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(buffer.data(), buffer.size());
        if (n < 0)
            return QStringLiteral("cannot read %1: %2").arg(from, source.errorString());
        if (n == 0)
            break;
        if (!target.write(QByteArrayView(buffer.constData(), n)))
            return QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
    }
    if (!target.commit())
        return QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
    return QString();
}

QString readWhole(const QString &path, QByteArray &into, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    if (file.size() > limit)
        return QStringLiteral("%1 is larger than a key file").arg(path);
    into = file.readAll();
    return QString();
}

// The release's signing key, opened with its password when it has one.
std::variant<trust::SecretKey, QString> signingKey(const Release &release)
{
    QByteArray text;
    if (QString error = readWhole(release.signKey, text, 4096); !error.isEmpty())
        return QStringLiteral("--sign-key: ") + error;
    std::optional<QByteArray> password;
    if (!release.signPasswordFile.isEmpty()) {
        QByteArray bytes;
        if (QString error = readWhole(release.signPasswordFile, bytes, 4096); !error.isEmpty())
            return QStringLiteral("--sign-password-file: ") + error;
        // The first line, as minisign reads a password from a pipe.
        password = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
        if (password->endsWith('\r'))
            password->chop(1);
    }
    auto key = trust::readSecretKey(text, password);
    if (const QString *error = std::get_if<QString>(&key))
        return QStringLiteral("--sign-key %1: %2").arg(release.signKey, *error);
    return std::get<trust::SecretKey>(key);
}

// Every file the folder serves, as it is on disk now: the version file and the installers.
std::variant<trust::Manifest, QString> manifestOfFolder(const QString &out)
{
    trust::Manifest manifest;
    QStringList paths{versionPath(out)};
    for (int row = 0; row < updater::kProductCount; ++row)
        paths << installerPath(out, row);
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        trust::Sha256Stream hash;
        QByteArray buffer(1024 * 1024, Qt::Uninitialized);
        qint64 size = 0;
        for (;;) {
            const qint64 n = file.read(buffer.data(), buffer.size());
            if (n < 0)
                return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            if (n == 0)
                break;
            hash.add(QByteArrayView(buffer.constData(), n));
            size += n;
        }
        manifest.entries.push_back({QFileInfo(path).fileName(), size, hash.finish()});
    }
    return manifest;
}

// Writes the manifest of the folder and its signature, then checks the pair as the updater will.
QString signFolder(const QString &out, const trust::SecretKey &key, const Dates &dates)
{
    const auto listed = manifestOfFolder(out);
    if (const QString *error = std::get_if<QString>(&listed))
        return *error;
    const QByteArray manifest = trust::writeManifest(std::get<trust::Manifest>(listed));
    const QDate released = *std::max_element(dates.begin(), dates.end());
    const QByteArray signature = trust::sign(manifest, key, trust::trustedComment(released));
    if (!platform::writeFileAtomically(manifestPath(out), manifest))
        return QStringLiteral("cannot write %1").arg(manifestPath(out));
    if (!platform::writeFileAtomically(signaturePath(out), signature))
        return QStringLiteral("cannot write %1").arg(signaturePath(out));
    QFile version(versionPath(out)), writtenManifest(manifestPath(out)), writtenSignature(signaturePath(out));
    if (!version.open(QIODevice::ReadOnly) || !writtenManifest.open(QIODevice::ReadOnly)
        || !writtenSignature.open(QIODevice::ReadOnly)
        || !trust::verifyRelease(version.readAll(), writtenManifest.readAll(), writtenSignature.readAll(),
                                 {trust::publicKeyOf(key)}))
        return QStringLiteral("%1 does not verify with the key's public half as written").arg(signaturePath(out));
    return QString();
}

}  // namespace

QString usage()
{
    return QStringLiteral(
        "Usage: publish-update OUT --plugo FILE --editor FILE --update FILE --message TEXT [--date YYYY-MM-DD ...]\n"
        "                      [--sign-key FILE [--sign-password-file FILE]]\n"
        "\n"
        "Makes OUT the folder to upload to the update server: OUT/~tovald/plugo3/ with the installers\n"
        "plugo_upd.exe, editor_upd.exe and update_upd.exe and the version file that dates them.\n"
        "\n"
        "  --plugo, --editor, --update FILE  the installer to publish for that product. A product not\n"
        "                                    given keeps its installer and date in OUT; the first\n"
        "                                    release in OUT needs all three.\n"
        "  --message TEXT                    the text the updater shows (Windows-1252 characters only)\n"
        "  --date YYYY-MM-DD                 the release date: none for today, once for every given\n"
        "                                    product, or once per given product in the order plugo,\n"
        "                                    editor, update\n"
        "  --sign-key FILE                   the minisign secret key that signs the release: OUT gets\n"
        "                                    release.manifest (name, size and SHA-256 of the version file\n"
        "                                    and the installers) and release.manifest.minisig. A folder\n"
        "                                    that holds a signed release is only published signed.\n"
        "  --sign-password-file FILE         the key's password, on the file's first line, when the key\n"
        "                                    is encrypted (minisign -G without -W)\n");
}

QString installerPath(const QString &outFolder, int row)
{
    return QDir(outFolder).filePath(updater::products()[row].serverPath.mid(1));
}

QString versionPath(const QString &outFolder)
{
    return QDir(outFolder).filePath(updater::versionDocument().mid(1));
}

QString manifestPath(const QString &outFolder)
{
    return QDir(outFolder).filePath(updater::manifestDocument().mid(1));
}

QString signaturePath(const QString &outFolder)
{
    return QDir(outFolder).filePath(updater::signatureDocument().mid(1));
}

QString serverDateText(const QDate &date)
{
    const bool shortYear = date.year() >= 2000 && date.year() <= 2029;
    return date.toString(shortYear ? QStringLiteral("yy MM dd") : QStringLiteral("yyyy MM dd"));
}

std::variant<Release, QString> parseArguments(const QStringList &arguments, const QDate &today)
{
    Release release;
    release.today = today;
    bool messageGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QStringLiteral("--"))) {
            if (!release.outFolder.isEmpty())
                return QStringLiteral("give one output folder, not \"%1\" and \"%2\"").arg(release.outFolder, argument);
            release.outFolder = argument;
            continue;
        }
        if (i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(argument);
        const QString value = arguments.at(++i);
        const auto product = std::find(kProductOptions.begin(), kProductOptions.end(), argument);
        if (product != kProductOptions.end()) {
            QString &installer = release.installers[product - kProductOptions.begin()];
            if (!installer.isEmpty())
                return QStringLiteral("%1 is given twice").arg(argument);
            if (value.isEmpty())
                return QStringLiteral("%1 needs a file").arg(argument);
            installer = value;
        } else if (argument == QStringLiteral("--message")) {
            if (messageGiven)
                return QStringLiteral("--message is given twice");
            messageGiven = true;
            release.message = value;
        } else if (argument == QStringLiteral("--date")) {
            const std::optional<QDate> date = commandLineDate(value);
            if (!date)
                return QStringLiteral("\"%1\" is not a date written YYYY-MM-DD").arg(value);
            release.dates << *date;
        } else if (argument == QStringLiteral("--sign-key") || argument == QStringLiteral("--sign-password-file")) {
            QString &file = argument == QStringLiteral("--sign-key") ? release.signKey : release.signPasswordFile;
            if (!file.isEmpty())
                return QStringLiteral("%1 is given twice").arg(argument);
            if (value.isEmpty())
                return QStringLiteral("%1 needs a file").arg(argument);
            file = value;
        } else {
            return QStringLiteral("unknown option %1").arg(argument);
        }
    }
    if (release.outFolder.isEmpty())
        return QStringLiteral("give the output folder");
    if (!messageGiven)
        return QStringLiteral("give the message the updater shows with --message");
    const auto given = std::count_if(release.installers.begin(), release.installers.end(),
                                     [](const QString &path) { return !path.isEmpty(); });
    if (!release.dates.isEmpty() && release.dates.size() != 1 && release.dates.size() != given)
        return QStringLiteral("give one --date for every given product, or one for all of them: %1 dates for %2 products")
            .arg(release.dates.size())
            .arg(given);
    if (!release.dates.isEmpty() && given == 0)
        return QStringLiteral("--date dates the given products, and none is given");
    if (!release.signPasswordFile.isEmpty() && release.signKey.isEmpty())
        return QStringLiteral("--sign-password-file opens the key given with --sign-key, and none is given");
    return release;
}

std::variant<QByteArray, QString> versionFileBytes(const Dates &dates, const QString &message)
{
    // The message follows the first "£", and the updater shows everything after that "£" as it
    // stands, "$" and "£" included; only a character the code page lacks cannot be said.
    qsizetype position = 0;
    for (const char32_t ch : message.toUcs4()) {
        ++position;
        if (ch > 0xFFFF || !platform::fitsWindows1252(static_cast<char16_t>(ch)))
            return QStringLiteral("the message cannot be written in Windows-1252, the only code page the updater "
                                  "reads: \"%1\" (U+%2) at character %3")
                .arg(QString::fromUcs4(&ch, 1))
                .arg(static_cast<uint>(ch), 4, 16, QLatin1Char('0'))
                .arg(position);
    }
    QStringList fields;
    for (const QDate &date : dates)
        fields << serverDateText(date);
    const QString text = fields.join(u'$') + u'£' + message;
    const QByteArray bytes = platform::encodeWindows1252(text).value_or(QByteArray());
    if (bytes.size() > platform::InetPlugo::kDefaultTextLimit)
        return QStringLiteral("the version file would be %1 bytes; the updater reads at most %2")
            .arg(bytes.size())
            .arg(platform::InetPlugo::kDefaultTextLimit);
    const auto read = readAsUpdater(bytes);
    if (!read || read->first != dates || read->second != message)
        return QStringLiteral("the updater would not read these dates (%1) and this message back as they are")
            .arg(describe(dates));
    return bytes;
}

Outcome publishRelease(const Release &release)
{
    Outcome outcome;
    const QString out = release.outFolder;

    // The dates: the given products take the command line's (or today), the others OUT's.
    std::vector<int> given;
    for (int row = 0; row < updater::kProductCount; ++row)
        if (!release.installers[row].isEmpty())
            given.push_back(row);
    Dates dates;
    for (size_t i = 0; i < given.size(); ++i) {
        dates[given[i]] = release.dates.size() == 1 ? release.dates.first()
                                                    : release.dates.value(static_cast<qsizetype>(i), release.today);
    }
    if (given.size() < static_cast<size_t>(updater::kProductCount)) {
        QFile earlier(versionPath(out));
        QStringList missing;
        for (int row = 0; row < updater::kProductCount; ++row)
            if (release.installers[row].isEmpty())
                missing << QStringLiteral("--") + productName(row);
        if (!earlier.exists()) {
            outcome.error = QStringLiteral("%1 has no version file yet, so the first release needs every installer; "
                                           "missing: %2")
                                .arg(out, missing.join(QStringLiteral(", ")));
            return outcome;
        }
        if (!earlier.open(QIODevice::ReadOnly)) {
            outcome.error = QStringLiteral("cannot read %1: %2").arg(earlier.fileName(), earlier.errorString());
            return outcome;
        }
        const auto read = readAsUpdater(earlier.readAll());
        if (!read) {
            outcome.error = QStringLiteral("%1 holds no three dates the updater can read, so it cannot date %2; "
                                           "give those installers again")
                                .arg(earlier.fileName(), missing.join(QStringLiteral(", ")));
            return outcome;
        }
        for (int row = 0; row < updater::kProductCount; ++row) {
            if (!release.installers[row].isEmpty())
                continue;
            if (!QFileInfo(installerPath(out, row)).isFile()) {
                outcome.error = QStringLiteral("%1 is missing, so the %2 date in the version file would point at "
                                               "nothing; give --%2")
                                    .arg(installerPath(out, row), productName(row));
                return outcome;
            }
            dates[row] = read->first[row];
        }
    }

    // The installers: each must be a file with something in it, since the updater takes an
    // empty download for a failed one. A refusal names the file as it was given.
    for (const int row : given) {
        const QString &path = release.installers[row];
        const QFileInfo info(path);
        QFile probe(path);
        if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
            outcome.error = QStringLiteral("--%1: %2 is not a file that can be read").arg(productName(row), path);
            return outcome;
        }
        if (info.size() == 0) {
            outcome.error = QStringLiteral("--%1: %2 is empty").arg(productName(row), path);
            return outcome;
        }
    }

    // The key is opened, and a signed folder kept signed, before anything is written.
    std::optional<trust::SecretKey> key;
    if (!release.signKey.isEmpty()) {
        auto opened = signingKey(release);
        if (const QString *error = std::get_if<QString>(&opened)) {
            outcome.error = *error;
            return outcome;
        }
        key = std::get<trust::SecretKey>(opened);
    } else if (QFileInfo::exists(manifestPath(out)) || QFileInfo::exists(signaturePath(out))) {
        outcome.error = QStringLiteral("%1 holds a signed release; an unsigned one would leave its manifest naming "
                                       "files that are no longer there. Give --sign-key")
                            .arg(out);
        return outcome;
    }

    const std::variant<QByteArray, QString> bytes = versionFileBytes(dates, release.message);
    if (const QString *error = std::get_if<QString>(&bytes)) {
        outcome.error = *error;
        return outcome;
    }
    const QByteArray &version = std::get<QByteArray>(bytes);

    const QString folder = QFileInfo(versionPath(out)).path();
    if (!QDir().mkpath(folder)) {
        outcome.error = QStringLiteral("cannot make the folder %1").arg(folder);
        return outcome;
    }
    for (const int row : given) {
        outcome.wroteAnything = true;
        const QString error = copyInstaller(release.installers[row], installerPath(out, row));
        if (!error.isEmpty()) {
            outcome.error = error + QStringLiteral("; the version file was left as it was");
            return outcome;
        }
    }
    // Last, so that the new dates appear only when their installers are in place.
    if (!platform::writeFileAtomically(versionPath(out), version)) {
        outcome.error = QStringLiteral("cannot write %1; it was left as it was").arg(versionPath(out));
        return outcome;
    }

    QFile written(versionPath(out));
    const auto read = written.open(QIODevice::ReadOnly) ? readAsUpdater(written.readAll()) : std::nullopt;
    if (!read || read->first != dates || read->second != release.message) {
        outcome.error = QStringLiteral("%1 does not read back as written").arg(versionPath(out));
        return outcome;
    }
    if (key) {
        const QString error = signFolder(out, *key, dates);
        if (!error.isEmpty()) {
            outcome.error = error;
            return outcome;
        }
    }
    for (int row = 0; row < updater::kProductCount; ++row) {
        const QString name = updater::products()[row].presetName;
        const bool isNew = !release.installers[row].isEmpty();
        outcome.report << QStringLiteral("%1 %2  %3  %4 bytes%5")
                              .arg(productName(row), -6)
                              .arg(dates[row].toString(Qt::ISODate), name)
                              .arg(QFileInfo(installerPath(out, row)).size())
                              .arg(isNew ? QString() : QStringLiteral(" (kept)"));
    }
    if (key)
        outcome.report << QStringLiteral("signed with key %1: %2 and %3")
                              .arg(trust::keyIdText(key->id), trust::manifestName(), trust::signatureName());
    return outcome;
}

}  // namespace publish
