// SPDX-License-Identifier: GPL-3.0-or-later
#include "loopbackserver.h"

#include <QList>
#include <chrono>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using socklen_t = int;
namespace {
int closeSocket(long long s) { return ::closesocket(static_cast<SOCKET>(s)); }
int pollSockets(pollfd *fds, unsigned long count, int timeout) { return ::WSAPoll(fds, count, timeout); }
}  // namespace
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
namespace {
int closeSocket(long long s) { return ::close(static_cast<int>(s)); }
int pollSockets(pollfd *fds, unsigned long count, int timeout) { return ::poll(fds, count, timeout); }
}  // namespace
#endif

namespace testing_support {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLongestStall = std::chrono::seconds(60);

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<unsigned short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

long long openListener(int backlog, int *port)
{
    const auto s = static_cast<long long>(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (s < 0)
        return -1;
    int yes = 1;
    ::setsockopt(static_cast<int>(s), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char *>(&yes), sizeof yes);
    sockaddr_in address = loopback(0);
    if (::bind(static_cast<int>(s), reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(static_cast<int>(s), backlog) != 0) {
        closeSocket(s);
        return -1;
    }
    socklen_t length = sizeof address;
    ::getsockname(static_cast<int>(s), reinterpret_cast<sockaddr *>(&address), &length);
    *port = ntohs(address.sin_port);
    return s;
}

bool sendAll(long long s, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
#ifdef MSG_NOSIGNAL
        const auto n = ::send(static_cast<int>(s), bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                              MSG_NOSIGNAL);
#else
        const auto n = ::send(static_cast<int>(s), bytes.constData() + done, static_cast<int>(bytes.size() - done), 0);
#endif
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void resetAndClose(long long s)
{
    // Linger with no time: the close sends a reset instead of an orderly end.
    linger hard{};
    hard.l_onoff = 1;
    hard.l_linger = 0;
    ::setsockopt(static_cast<int>(s), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char *>(&hard), sizeof hard);
    closeSocket(s);
}

}  // namespace

ServerReply okReply(const QByteArray &body, bool keepAlive)
{
    ServerReply reply;
    reply.body = body;
    reply.keepAlive = keepAlive;
    return reply;
}

ServerReply statusReply(int status, const QByteArray &reason, const QByteArray &body)
{
    ServerReply reply;
    reply.status = status;
    reply.reason = reason;
    reply.body = body;
    return reply;
}

ServerReply faultReply(ServerReply::Kind kind)
{
    ServerReply reply;
    reply.kind = kind;
    reply.body = QByteArray(4096, 'x');
    return reply;
}

LoopbackServer::LoopbackServer()
{
    listener_ = openListener(8, &port_);
    if (listener_ >= 0)
        thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (listener_ >= 0)
        closeSocket(listener_);
}

void LoopbackServer::route(const QByteArray &path, const ServerReply &reply)
{
    std::lock_guard lock(mutex_);
    routes_[path] = reply;
}

std::vector<QByteArray> LoopbackServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

ServerReply LoopbackServer::replyFor(const QByteArray &path) const
{
    std::lock_guard lock(mutex_);
    const auto found = routes_.find(path);
    if (found != routes_.end())
        return found->second;
    return statusReply(404, "Not Found", "<html><body>Not Found</body></html>");
}

void LoopbackServer::stayQuiet(long long client) const
{
    const auto until = Clock::now() + kLongestStall;
    char buffer[256];
    while (!stop_ && Clock::now() < until) {
        if (waitReadable(client, 50) && ::recv(static_cast<int>(client), buffer, sizeof buffer, 0) <= 0)
            break;
    }
    closeSocket(client);
}

bool LoopbackServer::waitReadable(long long socket, int milliseconds) const
{
    pollfd fd{};
    fd.fd = static_cast<decltype(fd.fd)>(socket);
    fd.events = POLLIN;
    return pollSockets(&fd, 1, milliseconds) > 0;
}

void LoopbackServer::serve()
{
    while (!stop_) {
        if (!waitReadable(listener_, 50))
            continue;
        const auto client = static_cast<long long>(::accept(static_cast<int>(listener_), nullptr, nullptr));
        if (client < 0)
            continue;
        answer(client);
    }
}

void LoopbackServer::answer(long long client)
{
    QByteArray pending;
    for (;;) {
        // One request: up to the blank line after its headers.
        qsizetype end = -1;
        const auto deadline = Clock::now() + kLongestStall;
        while ((end = pending.indexOf("\r\n\r\n")) < 0) {
            if (stop_ || Clock::now() > deadline || !waitReadable(client, 50)) {
                if (stop_ || Clock::now() > deadline) {
                    closeSocket(client);
                    return;
                }
                continue;
            }
            char buffer[4096];
            const auto n = ::recv(static_cast<int>(client), buffer, sizeof buffer, 0);
            if (n <= 0) {
                closeSocket(client);
                return;
            }
            pending.append(buffer, static_cast<qsizetype>(n));
        }
        const QByteArray head = pending.left(end);
        pending.remove(0, end + 4);
        const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
        const QByteArray path = requestLine.size() >= 2 ? requestLine.at(1) : QByteArray();
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(path);
        }

        const ServerReply reply = replyFor(path);
        switch (reply.kind) {
        case ServerReply::Kind::Reset:
            resetAndClose(client);
            return;
        case ServerReply::Kind::Empty:
            closeSocket(client);
            return;
        case ServerReply::Kind::Stall: {
            stayQuiet(client);
            return;
        }
        default:
            break;
        }

        const qint64 length = reply.declaredLength >= 0 ? reply.declaredLength : reply.body.size();
        QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
        response += "Content-Type: application/octet-stream\r\n";
        response += "Content-Length: " + QByteArray::number(length) + "\r\n";
        response += reply.keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
        response += reply.extraHeaders;
        response += "\r\n";
        if (reply.kind == ServerReply::Kind::StallAfterHeaders) {
            sendAll(client, response + reply.body.left(reply.body.size() / 2));
            stayQuiet(client);
            return;
        }
        if (!sendAll(client, response + reply.body) || !reply.keepAlive
            || reply.declaredLength > reply.body.size()) {
            closeSocket(client);
            return;
        }
    }
}

int refusedPort()
{
    int port = 0;
    const long long s = openListener(1, &port);
    if (s >= 0)
        closeSocket(s);
    return port;
}

BackloggedListener::BackloggedListener()
{
    listener_ = openListener(0, &port_);
    if (listener_ < 0)
        return;
    // Connections that are never accepted fill the queue; later attempts get no answer.
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<long long>(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        if (s < 0)
            break;
#ifndef _WIN32
        const sockaddr_in address = loopback(port_);
        struct timeval brief{0, 200000};
        ::setsockopt(static_cast<int>(s), SOL_SOCKET, SO_SNDTIMEO, &brief, sizeof brief);
        ::connect(static_cast<int>(s), reinterpret_cast<const sockaddr *>(&address), sizeof address);
#endif
        fillers_.push_back(s);
    }
}

BackloggedListener::~BackloggedListener()
{
    for (const long long s : fillers_)
        closeSocket(s);
    if (listener_ >= 0)
        closeSocket(listener_);
}

}  // namespace testing_support
