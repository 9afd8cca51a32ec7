// SPDX-License-Identifier: GPL-3.0-or-later
#include "nginxserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace publish {

namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

// A port on 127.0.0.1 that nothing uses at this moment.
int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(probe);
    return port;
}

bool accepts(int port)
{
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    if (client < 0)
        return false;
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(client, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(client);
    return connected;
}

QString quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

}  // namespace

NginxServer::NginxServer(Options options) : options_(std::move(options)) {}

NginxServer::~NginxServer()
{
    stop();
}

QString NginxServer::program()
{
    const QString inPath = QStandardPaths::findExecutable(QStringLiteral("nginx"));
    if (!inPath.isEmpty())
        return inPath;
    // Debian puts it where only root's search path looks.
    return QStandardPaths::findExecutable(QStringLiteral("nginx"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
}

bool NginxServer::start()
{
    if (program().isEmpty()) {
        error_ = QStringLiteral("nginx is not installed (Debian's package nginx-light)");
        return false;
    }
    if (!scratch_.isValid()) {
        error_ = QStringLiteral("no scratch folder for nginx: %1").arg(scratch_.errorString());
        return false;
    }
    // Another program may take the free port between the look and nginx's bind; then a new one.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (startOnce())
            return true;
        if (!errorLog().contains(QStringLiteral("Address already in use")))
            return false;
    }
    return false;
}

QString NginxServer::writeConfiguration()
{
    const QString work = scratch_.path();
    QString user;
    // The user directive counts only for root, who would otherwise hand the workers to nobody;
    // they stay with the user who runs this, and so can read the folder they serve.
    if (::geteuid() == 0) {
        const passwd *account = ::getpwuid(::geteuid());
        const group *team = ::getgrgid(::getegid());
        if (account && team)
            user = QStringLiteral("user %1 %2;\n").arg(QString::fromLocal8Bit(account->pw_name),
                                                      QString::fromLocal8Bit(team->gr_name));
    }
    QString temporary;
    for (const char *kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        temporary += QStringLiteral("    %1_temp_path %2;\n")
                         .arg(QString::fromLatin1(kind), quoted(work + u'/' + QString::fromLatin1(kind)));
    const QString rate = options_.bytesPerSecond > 0
                             ? QStringLiteral("        limit_rate %1;\n").arg(options_.bytesPerSecond)
                             : QString();
    const QString text = QStringLiteral(
                             "%1"
                             "daemon off;\n"
                             "master_process on;\n"
                             "worker_processes 1;\n"
                             "pid %2;\n"
                             "error_log %3 notice;\n"
                             "events { worker_connections 64; }\n"
                             "http {\n"
                             "    access_log %4;\n"
                             "%5"
                             "    default_type application/octet-stream;\n"
                             "    sendfile on;\n"
                             "    server {\n"
                             "        listen 127.0.0.1:%6;\n"
                             "        server_name localhost;\n"
                             "        root %7;\n"
                             "%8"
                             "    }\n"
                             "}\n")
                             .arg(user, quoted(work + QStringLiteral("/nginx.pid")),
                                  quoted(work + QStringLiteral("/error.log")),
                                  quoted(work + QStringLiteral("/access.log")), temporary)
                             .arg(port_)
                             .arg(quoted(options_.root), rate);
    const QString path = work + QStringLiteral("/nginx.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 || !file.flush())
        return QString();
    return path;
}

bool NginxServer::startOnce()
{
    stop();
    port_ = freePort();
    const QString configuration = writeConfiguration();
    if (port_ == 0 || configuration.isEmpty()) {
        error_ = QStringLiteral("cannot write nginx's configuration into %1").arg(scratch_.path());
        return false;
    }
    QFile::remove(scratch_.filePath(QStringLiteral("error.log")));
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(program(), {QStringLiteral("-p"), scratch_.path() + u'/', QStringLiteral("-c"), configuration,
                                QStringLiteral("-e"), scratch_.filePath(QStringLiteral("error.log"))});
    if (!process_->waitForStarted(10000)) {
        error_ = QStringLiteral("cannot start %1: %2").arg(program(), process_->errorString());
        process_.reset();
        return false;
    }
    // Ready when it accepts a connection; it is given up on when it ends or takes too long.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (process_->waitForFinished(20)) {
            error_ = QStringLiteral("nginx ended at once: %1 %2")
                         .arg(QString::fromLocal8Bit(process_->readAll()).trimmed(), errorLog().trimmed());
            process_.reset();
            return false;
        }
        if (accepts(port_))
            return true;
    }
    error_ = QStringLiteral("nginx did not accept connections on 127.0.0.1:%1 within ten seconds").arg(port_);
    stop();
    return false;
}

void NginxServer::stop()
{
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(10000)) {
            process_->kill();
            process_->waitForFinished(10000);
        }
    }
    process_.reset();
}

bool NginxServer::running() const
{
    return process_ && process_->state() == QProcess::Running;
}

QString NginxServer::errorLog() const
{
    QFile log(scratch_.filePath(QStringLiteral("error.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

}  // namespace publish
