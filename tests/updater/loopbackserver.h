// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support {

// One scripted answer of the loopback server.
struct ServerReply {
    enum class Kind {
        Normal,             // status line, headers, body
        Reset,              // reads the request, then resets the connection
        Empty,              // reads the request, then closes without a byte
        Stall,              // reads the request and never answers
        StallAfterHeaders,  // sends the headers and part of the body, then goes silent
    };
    Kind kind = Kind::Normal;
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    // Content-Length as sent; below zero, the body's own size. A larger one cuts the body short.
    qint64 declaredLength = -1;
    // False: "Connection: close", and the connection ends after the body.
    bool keepAlive = true;
    // More header lines, each ended by CR LF, such as a "Location".
    QByteArray extraHeaders;
};

ServerReply okReply(const QByteArray &body, bool keepAlive = true);
ServerReply statusReply(int status, const QByteArray &reason, const QByteArray &body);
ServerReply faultReply(ServerReply::Kind kind);

// A small HTTP server on 127.0.0.1 at a free port, answering from a script, on its own thread.
// It serves one connection at a time, which is all a client that fetches one thing at a time
// needs, and it stops by itself when it is destroyed; a stalled answer waits at most 60 seconds.
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    int port() const { return port_; }

    // The answer for a path; any other path gets 404.
    void route(const QByteArray &path, const ServerReply &reply);

    // The paths asked for, in order.
    std::vector<QByteArray> requests() const;

private:
    void serve();
    void answer(long long socket);
    ServerReply replyFor(const QByteArray &path) const;
    bool waitReadable(long long socket, int milliseconds) const;
    // Says nothing until the client gives up, the server stops, or a minute has gone; then closes.
    void stayQuiet(long long client) const;

    long long listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<QByteArray, ServerReply> routes_;
    std::vector<QByteArray> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens: a connection there is refused.
int refusedPort();

// A listener on 127.0.0.1 that never accepts, its queue filled so that a further connection
// attempt goes unanswered.
class BackloggedListener {
public:
    BackloggedListener();
    ~BackloggedListener();
    int port() const { return port_; }

private:
    long long listener_ = -1;
    std::vector<long long> fillers_;
    int port_ = 0;
};

}  // namespace testing_support
