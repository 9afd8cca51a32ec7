// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "internettransfer.h"

#include <chrono>
#include <memory>

class QEventLoop;
class QThread;

namespace platform {

// The updater's HTTP client, on libcurl. Each fetch runs on a worker thread with a fresh easy
// handle (so the host is looked up, and reported, every time) while the calling thread waits in a
// nested event loop; the transfer states come from libcurl's own callbacks and are delivered on
// the calling thread in the order the transfer goes through them.
//
// curl_global_init must have run before the first fetch (the program's main does it).
class InetPlugo final : public InternetTransfer {
    Q_OBJECT
public:
    explicit InetPlugo(QObject *parent = nullptr);
    ~InetPlugo() override;

    // Both the longest wait for a connection and the longest time a transfer may go without any
    // progress; a slow transfer that keeps moving is never cut off. kDefaultTimeout unless set.
    static constexpr std::chrono::milliseconds kDefaultTimeout{60000};
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    std::chrono::milliseconds timeout() const { return timeout_; }

    // The largest text document accepted; a longer one fails the fetch.
    static constexpr qint64 kDefaultTextLimit = 1024 * 1024;
    void setTextLimit(qint64 bytes) { textLimit_ = bytes; }

    TextReply openText() override;
    using InternetTransfer::saveUrl;
    FileReply saveUrl(const QString &url, const QString &path, BodyCheck *check) override;

    int responseCode() const override { return responseCode_; }
    QString responseInfo() const override { return responseInfo_; }

    bool busy() const override { return job_ != nullptr; }
    void abort() override;

    struct Job;
    // Called on this object's thread by the worker's queued notifications.
    void reportError(int code, const QString &info);
    void finishRun();

private:
    void run(const std::shared_ptr<Job> &job);

    std::chrono::milliseconds timeout_{kDefaultTimeout};
    qint64 textLimit_ = kDefaultTextLimit;
    int responseCode_ = 0;
    QString responseInfo_;

    std::shared_ptr<Job> job_;
    QThread *thread_ = nullptr;
    QEventLoop *loop_ = nullptr;
};

}  // namespace platform
