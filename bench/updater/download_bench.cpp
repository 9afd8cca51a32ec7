// SPDX-License-Identifier: GPL-3.0-or-later
// Downloads a 200 MB installer from a loopback server with the updater's own window and transfer
// service, and with the curl command line, in the same run; prints the throughput of both, the
// updater's peak memory above its idle size, and the longest gap between two animation ticks.
//
//   bench_updater_download [size in MB] [rounds] [--nginx]
//
// The installer comes from a small sendfile server inside the benchmark, or with --nginx from
// Debian's nginx on a loopback port, serving a release folder laid out as on the update server.
// The updater side runs in a child process of its own, so its memory is its own.
#include "nginxserver.h"
#include "platform/desktop.h"
#include "platform/inetplugo.h"
#include "platform/qtdesktop.h"
#include "updater/frminfo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <curl/curl.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <memory>
#include <vector>

namespace {

const QString kInstallerPath = QStringLiteral("/~tovald/plugo3/plugo_upd.exe");

// --- The server: the version file and one installer, sent with sendfile ------------------------

class FileServer {
public:
    FileServer(const QByteArray &version, const QString &installer) : version_(version), installer_(installer)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(listener_, 16) != 0) {
            std::perror("bench server");
            std::exit(1);
        }
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~FileServer()
    {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }
    int port() const { return port_; }
    // Bytes a second for the installer; 0 sends as fast as the connection takes it.
    void setRate(qint64 bytesPerSecond) { rate_ = bytesPerSecond; }

private:
    void serve()
    {
        while (!stop_) {
            pollfd fd{listener_, POLLIN, 0};
            if (::poll(&fd, 1, 100) <= 0)
                continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client >= 0)
                answer(client);
        }
    }

    void answer(int client)
    {
        QByteArray request;
        char buffer[4096];
        while (!request.contains("\r\n\r\n")) {
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) {
                ::close(client);
                return;
            }
            request.append(buffer, n);
        }
        const QByteArray path = request.split(' ').value(1);
        auto sendAll = [client](const QByteArray &bytes) {
            qsizetype done = 0;
            while (done < bytes.size()) {
                const ssize_t n = ::send(client, bytes.constData() + done, bytes.size() - done, MSG_NOSIGNAL);
                if (n <= 0)
                    return;
                done += n;
            }
        };
        const QByteArray close = "Connection: close\r\n\r\n";
        if (path.endsWith("/version")) {
            sendAll("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(version_.size()) + "\r\n" + close + version_);
        } else if (path == kInstallerPath.toLatin1()) {
            const int file = ::open(QFile::encodeName(installer_).constData(), O_RDONLY);
            struct stat info {};
            ::fstat(file, &info);
            sendAll("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                    + QByteArray::number(static_cast<qint64>(info.st_size)) + "\r\n" + close);
            off_t offset = 0;
            const auto start = std::chrono::steady_clock::now();
            while (offset < info.st_size) {
                const qint64 rate = rate_;
                const off_t chunk = rate > 0 ? std::min<off_t>(1024 * 1024, info.st_size - offset) : info.st_size - offset;
                if (::sendfile(client, file, &offset, chunk) <= 0)
                    break;
                if (rate > 0)
                    std::this_thread::sleep_until(start + std::chrono::microseconds(offset * 1000000LL / rate));
            }
            ::close(file);
        } else {
            sendAll("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n" + close);
        }
        ::shutdown(client, SHUT_WR);
        ::close(client);
    }

    QByteArray version_;
    QString installer_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<qint64> rate_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// --- The updater side ------------------------------------------------------------------------

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Answers every question with OK and saves where the bench says.
class BenchDesktop final : public platform::Desktop {
public:
    QString folder;
    QString target;
    QStringList messages;
    int messageBox(QWidget *, const QString &text, const QString &title, int) override
    {
        messages << title + QStringLiteral(": ") + text;
        return platform::AnswerOk;
    }
    platform::FileDialogResult openFileDialog(QWidget *, const platform::FileDialogOptions &) override { return {}; }
    platform::FileDialogResult saveFileDialog(QWidget *, const platform::FileDialogOptions &) override
    {
        platform::FileDialogResult result;
        result.cancelled = false;
        result.path = target;
        result.fileName = platform::fileNamePart(target);
        return result;
    }
    void openDocument(QWidget *, const QString &, const QString &) override {}
    bool startProgram(const QString &, const QString &) override { return false; }
    QString programFolder() const override { return folder; }
    bool fileExists(const QString &path) const override { return platform::files::exists(path); }
    std::optional<QDateTime> fileTimestamp(const QString &path) const override { return platform::files::timestamp(path); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QString shortDate(const QDate &date) const override { return date.toString(Qt::ISODate); }
    std::optional<QImage> loadPicture(const QString &path) const override { return platform::files::picture(path); }
    void endProgram() override { std::exit(0); }
};

int runClient(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    curl_global_init(CURL_GLOBAL_DEFAULT);
    QApplication app(argc, argv);
    const int port = QString::fromLocal8Bit(argv[2]).toInt();
    BenchDesktop desktop;
    desktop.folder = QString::fromLocal8Bit(argv[3]);
    desktop.target = QString::fromLocal8Bit(argv[4]);

    platform::InetPlugo inet;
    updater::frmInfo window(desktop, inet, updater::UpdateServer{QStringLiteral("127.0.0.1"), port});
    window.show();
    window.cmdKoll_Click();
    if (!window.findChild<QPushButton *>(QStringLiteral("cmdUppdatera"))->isEnabled()) {
        std::fprintf(stderr, "the check offered nothing: %s\n", qPrintable(desktop.messages.join(u'\n')));
        return 1;
    }
    QApplication::processEvents();
    const long idleKb = statusKb("VmRSS:");
    const long peakBeforeKb = statusKb("VmHWM:");

    QElapsedTimer clock;
    clock.start();
    qint64 started = -1, received = -1, finished = -1;
    QObject::connect(&inet, &platform::InternetTransfer::stateChanged, [&](int state) {
        if (state == platform::StateResolving)
            started = clock.nsecsElapsed();
        if (state == platform::StateResponseReceived)
            received = clock.nsecsElapsed();
        if (state == platform::StateResponseCompleted)
            finished = clock.nsecsElapsed();
    });
    std::vector<qint64> ticks;
    QObject::connect(window.findChild<QTimer *>(QStringLiteral("tmrAnim")), &QTimer::timeout,
                     [&] { ticks.push_back(clock.nsecsElapsed()); });
    qint64 animationStart = -1;
    QObject::connect(&inet, &platform::InternetTransfer::stateChanged, [&](int state) {
        if (state == platform::StateResolving)
            animationStart = clock.nsecsElapsed();
    });

    window.cmdUppdatera_Click();
    const long peakKb = statusKb("VmHWM:");
    const qint64 bytes = QFileInfo(desktop.target).size();
    if (finished < 0 || bytes <= 0) {
        std::fprintf(stderr, "the download failed: %s\n", qPrintable(desktop.messages.join(u'\n')));
        return 1;
    }
    // The gaps between ticks, counted from the moment the timer started.
    qint64 longestGap = 0;
    qint64 previous = animationStart;
    for (const qint64 tick : ticks) {
        longestGap = std::max(longestGap, tick - previous);
        previous = tick;
    }
    longestGap = std::max(longestGap, finished - previous);
    std::printf("%lld %.6f %ld %ld %ld %.1f %zu %.6f\n", static_cast<long long>(bytes), (received - started) / 1e9,
                idleKb, peakBeforeKb, peakKb, longestGap / 1e6, ticks.size(), (finished - received) / 1e9);
    curl_global_cleanup();
    return 0;
}

// --- The driver ------------------------------------------------------------------------------

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int runBench(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList numbers = QCoreApplication::arguments().mid(1);
    const bool useNginx = numbers.removeAll(QStringLiteral("--nginx")) > 0;
    const int sizeMb = numbers.size() > 0 ? std::max(1, numbers[0].toInt()) : 200;
    const int rounds = numbers.size() > 1 ? std::max(1, numbers[1].toInt()) : 3;

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/plugo-bench-XXXXXX"));
    // The release folder as it is uploaded: the version file and the installer under its path.
    const QString site = work.filePath(QStringLiteral("site"));
    const QString served = site + kInstallerPath;
    const QByteArray version = "26 01 01$20 01 01$20 01 01\xa3" "bench";
    QDir().mkpath(QFileInfo(served).path());
    {
        QFile file(site + QStringLiteral("/~tovald/plugo3/version"));
        if (!file.open(QIODevice::WriteOnly) || file.write(version) != version.size())
            return 1;
    }
    {
        QFile file(served);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1024 * 1024, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 131) % 251);
        for (int i = 0; i < sizeMb; ++i)
            file.write(block);
    }
    // The program folder of the updater: its products dated long ago, its bitmaps from the build.
    const QString programs = work.filePath(QStringLiteral("programs"));
    QDir().mkpath(programs);
    for (const char *name : {"plugo", "editor", "update"}) {
        QFile file(programs + u'/' + platform::programFileName(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write("program");
        file.close();
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), QFileDevice::FileModificationTime);
    }
    for (const char *name : {"ladda.bmp", "liten.bmp"})
        QFile::copy(QStringLiteral(PLUGO_DATA_DIR "/") + QString::fromLatin1(name), programs + u'/' + QString::fromLatin1(name));

    std::unique_ptr<FileServer> ownServer;
    std::unique_ptr<publish::NginxServer> nginx;
    int port = 0;
    // Serves the release folder, paced at the given rate (bytes a second, 0 for no limit).
    auto serve = [&](qint64 rate) {
        if (!useNginx) {
            if (!ownServer)
                ownServer = std::make_unique<FileServer>(version, served);
            ownServer->setRate(rate);
            port = ownServer->port();
            return true;
        }
        nginx = std::make_unique<publish::NginxServer>(publish::NginxServer::Options{site, rate});
        if (!nginx->start()) {
            std::fprintf(stderr, "nginx cannot be started: %s\n", qPrintable(nginx->error()));
            return false;
        }
        port = nginx->port();
        return true;
    };
    if (!serve(0))
        return 1;
    const QString url = QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(kInstallerPath);
    const QString target = work.filePath(QStringLiteral("saved_upd.exe"));
    const double megabytes = sizeMb * 1024.0 * 1024.0 / 1e6;

    // One download by the updater in a process of its own: bytes, seconds, idle, peak before,
    // peak after (kB), longest tick gap (ms), ticks.
    auto runUpdater = [&]() -> QList<QByteArray> {
        QProcess client;
        client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client.start(QCoreApplication::applicationFilePath(),
                     {"--client", QString::number(port), programs, target});
        if (!client.waitForFinished(600000) || client.exitCode() != 0) {
            std::fprintf(stderr, "the updater side failed\n");
            return {};
        }
        const QList<QByteArray> figures = client.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() < 8 || figures[0].toLongLong() != sizeMb * 1024LL * 1024LL) {
            std::fprintf(stderr, "the updater side saved the wrong size\n");
            return {};
        }
        QFile::remove(target);
        return figures;
    };

    std::vector<double> curlSeconds, ourSeconds, commitSeconds, growthMb, gapsMs;
    std::printf("Downloading %d MiB from %s on 127.0.0.1:%d, %d rounds each\n", sizeMb,
                useNginx ? "nginx" : "the benchmark's own server", port, rounds);
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(target);
        // Each download starts with no dirty pages of the one before being written back meanwhile.
        ::sync();
        // curl's own measure of the transfer, from the start of the look-up to the last byte.
        QProcess curl;
        curl.start(QStringLiteral("curl"), {"-s", "-f", "-o", target, "-w", "%{time_total}", url});
        const bool curlDone = curl.waitForFinished(600000) && curl.exitStatus() == QProcess::NormalExit
                              && curl.exitCode() == 0;
        const double seconds = curl.readAllStandardOutput().trimmed().toDouble();
        if (!curlDone || seconds <= 0 || QFileInfo(target).size() != sizeMb * 1024LL * 1024LL) {
            std::fprintf(stderr, "the curl command line failed: %s\n", curl.readAllStandardError().constData());
            return 1;
        }
        curlSeconds.push_back(seconds);

        QFile::remove(target);
        ::sync();
        const QList<QByteArray> figures = runUpdater();
        if (figures.isEmpty())
            return 1;
        ourSeconds.push_back(figures[1].toDouble());
        const double idle = figures[2].toDouble(), peak = figures[4].toDouble();
        growthMb.push_back((peak - idle) / 1024.0);
        gapsMs.push_back(figures[5].toDouble());
        commitSeconds.push_back(figures[7].toDouble());
        std::printf("  round %d: curl %.0f MB/s, updater %.0f MB/s + %.2f s to commit, idle %.1f MB, peak %.1f MB "
                    "(+%.1f MB), longest tick gap %.0f ms over %s ticks\n",
                    round + 1, megabytes / seconds, megabytes / figures[1].toDouble(), figures[7].toDouble(),
                    idle / 1024.0, peak / 1024.0, (peak - idle) / 1024.0, figures[5].toDouble(), figures[6].constData());
    }
    QFile::remove(target);

    // A slow line: the same installer at 40 MB/s, so the busy strip ticks many times meanwhile.
    if (!serve(40 * 1000 * 1000))
        return 1;
    const QList<QByteArray> paced = runUpdater();
    if (paced.isEmpty())
        return 1;
    const double pacedGrowth = (paced[4].toDouble() - paced[2].toDouble()) / 1024.0;
    std::printf("  paced at 40 MB/s: %.1f s, +%.1f MB, longest tick gap %.0f ms over %s ticks\n", paced[1].toDouble(),
                pacedGrowth, paced[5].toDouble(), paced[6].constData());
    gapsMs.push_back(paced[5].toDouble());
    growthMb.push_back(pacedGrowth);

    const double curlRate = megabytes / median(curlSeconds);
    const double ourRate = megabytes / median(ourSeconds);
    // The machine's load changes from second to second; each round's pair ran back to back.
    std::vector<double> ratios, ratiosWithCommit;
    for (size_t i = 0; i < ourSeconds.size(); ++i) {
        ratios.push_back(curlSeconds[i] / ourSeconds[i]);
        ratiosWithCommit.push_back(curlSeconds[i] / (ourSeconds[i] + commitSeconds[i]));
    }
    std::printf("\nmedian of %d rounds, %d MiB:\n", rounds, sizeMb);
    std::printf("  curl command line      %8.0f MB/s\n", curlRate);
    std::printf("  updater (InetPlugo)    %8.0f MB/s   %.2f of curl by round, median (goal >= 0.90)\n", ourRate,
                median(ratios));
    std::printf("  commit of the file     %8.2f s      (flush, sync to disk and rename, after the transfer;\n"
                "                                      with it %.2f of curl, which does not sync)\n",
                median(commitSeconds), median(ratiosWithCommit));
    std::printf("  peak memory over idle  %8.1f MB       (goal < 32 MB)\n", *std::max_element(growthMb.begin(), growthMb.end()));
    std::printf("  longest tick gap       %8.0f ms       (goal < 400 ms for the 300 ms timer)\n",
                *std::max_element(gapsMs.begin(), gapsMs.end()));
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc >= 5 && qstrcmp(argv[1], "--client") == 0)
        return runClient(argc, argv);
    return runBench(argc, argv);
}
