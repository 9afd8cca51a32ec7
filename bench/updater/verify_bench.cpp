// SPDX-License-Identifier: GPL-3.0-or-later
// What checking an installer against a signed release costs: a 20 MB installer downloaded from
// Debian's nginx on loopback by the updater's transfer service, alternately as an unsigned release
// takes it and checked against its manifest entry (size and SHA-256, piece by piece as it arrives),
// and the check alone over the same bytes in memory.
//
//   bench_updater_verify [MB] [rounds]
#include "nginxserver.h"
#include "platform/inetplugo.h"
#include "trust/release.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <curl/curl.h>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 9;

    QTemporaryDir site, downloads;
    QByteArray installer(megabytes * 1000 * 1000, Qt::Uninitialized);
    for (qsizetype i = 0; i < installer.size(); ++i)
        installer[i] = static_cast<char>((i * 131 + 7) % 251);
    QDir(site.path()).mkpath(QStringLiteral("~tovald/plugo3"));
    QFile file(site.filePath(QStringLiteral("~tovald/plugo3/plugo_upd.exe")));
    if (!file.open(QIODevice::WriteOnly) || file.write(installer) != installer.size())
        return 1;
    file.close();
    const trust::ManifestEntry entry{QStringLiteral("plugo_upd.exe"), installer.size(), trust::sha256(installer)};

    publish::NginxServer nginx(publish::NginxServer::Options{site.path(), 0});
    if (!nginx.start()) {
        std::fprintf(stderr, "nginx cannot be started: %s\n", qPrintable(nginx.error()));
        return 1;
    }
    platform::InetPlugo inet;
    const QString url = platform::httpUrl(QStringLiteral("127.0.0.1"), nginx.port(),
                                          QStringLiteral("/~tovald/plugo3/plugo_upd.exe"));
    const QString target = downloads.filePath(QStringLiteral("plugo_upd.exe"));

    std::vector<double> plain, checked, ratios, alone;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!inet.saveUrl(url, target).saved)
            return 1;
        plain.push_back(timer.nsecsElapsed() / 1e6);
        trust::ListedFileCheck check(entry);
        timer.restart();
        if (!inet.saveUrl(url, target, &check).saved)
            return 1;
        checked.push_back(timer.nsecsElapsed() / 1e6);
        ratios.push_back(checked.back() / plain.back());

        // The check alone, in the transfer's 256 KiB pieces.
        trust::ListedFileCheck inMemory(entry);
        timer.restart();
        for (qsizetype at = 0; at < installer.size(); at += 256 * 1024)
            inMemory.take(QByteArrayView(installer.constData() + at, std::min<qsizetype>(256 * 1024, installer.size() - at)));
        if (!inMemory.acceptWhole())
            return 1;
        alone.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%lld MB installer, median of %d rounds, from nginx on loopback:\n", static_cast<long long>(megabytes),
                rounds);
    std::printf("  download, unsigned release        %8.1f ms\n", median(plain));
    std::printf("  download, checked against its     %8.1f ms   %.2f of unsigned by round, median\n",
                median(checked), median(ratios));
    std::printf("  manifest entry\n");
    std::printf("  the check alone (size, SHA-256)   %8.1f ms   %.0f MB/s\n", median(alone),
                static_cast<double>(megabytes) * 1000.0 / median(alone));
    curl_global_cleanup();
    return 0;
}
