// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace publish {

// Debian's nginx serving a release folder on 127.0.0.1 at a free port, in the foreground, as the
// user who starts it: the configuration, pid file, logs and temporary folders all live in a
// scratch folder of its own, so nothing of the machine's own nginx set-up is read or touched.
class NginxServer {
public:
    struct Options {
        QString root;              // the document root: a folder made by publish-update
        qint64 bytesPerSecond = 0; // nginx's limit_rate for every response; 0 for none
    };

    explicit NginxServer(Options options);
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    // The nginx program, or an empty text when it is not installed.
    static QString program();

    // Starts nginx and returns once it accepts connections (at most about ten seconds). False,
    // with the reason in error(), when it cannot be started or does not come up.
    bool start();
    // Stops nginx the way its service does (SIGTERM: fast shutdown, open connections cut) and
    // waits for it to end.
    void stop();

    bool running() const;
    int port() const { return port_; }
    QString error() const { return error_; }
    QString errorLog() const;

private:
    bool startOnce();
    QString writeConfiguration();

    Options options_;
    QTemporaryDir scratch_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
    QString error_;
};

}  // namespace publish
