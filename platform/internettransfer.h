// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bodycheck.h"

#include <QObject>
#include <QString>

namespace platform {

// The transfer states a fetch reports, in the order a transfer goes through them.
enum TransferState : int {
    StateNone = 0,
    StateResolving = 1,
    StateResolved = 2,
    StateConnecting = 3,
    StateConnected = 4,
    StateRequesting = 5,
    StateRequestSent = 6,
    StateReceivingResponse = 7,
    StateResponseReceived = 8,
    StateClosingConnection = 9,
    StateConnectionClosed = 10,
    StateError = 11,
    StateResponseCompleted = 12
};

// The only protocol the updater speaks.
constexpr int ProtocolHttp = 4;

// A fetched text document. `complete` means the whole body arrived; `status` is the HTTP status
// (0 when no response came). On any failure the text is empty.
struct TextReply {
    bool complete = false;
    int status = 0;
    QString text;
    // The body as it came, for checking it byte for byte.
    QByteArray bytes;
};

// A fetch written to a file. The file at the path is replaced only when `saved` is true: the whole
// body arrived, the status was 2xx, the body was not empty and every byte reached the disk.
struct FileReply {
    bool complete = false;
    bool aborted = false;
    bool saved = false;
    int status = 0;
    qint64 bytes = 0;
    // The body check refused the body: it was stopped or kept out of place.
    bool refused = false;
};

// "http://host/path", with the port when it is not HTTP's own.
QString httpUrl(const QString &host, int port, const QString &path);

// The HTTP client the updater talks through. One fetch at a time: while a fetch waits for the
// server the caller's event loop keeps running (repaints, timers, state notifications), and a
// second fetch started meanwhile fails at once without touching the network.
class InternetTransfer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void setProtocol(int protocol) { protocol_ = protocol; }
    int protocol() const { return protocol_; }
    void setRemoteHost(const QString &host) { remoteHost_ = host; }
    QString remoteHost() const { return remoteHost_; }
    void setRemotePort(int port) { remotePort_ = port; }
    int remotePort() const { return remotePort_; }
    void setDocument(const QString &document) { document_ = document; }
    QString document() const { return document_; }

    // GET the document from the remote host and port; the body as Windows-1252 text.
    virtual TextReply openText() = 0;
    // GET the URL and stream the body into a temporary file beside the path, which replaces the
    // path only when the download is whole and good.
    // With a check, the check sees every piece and decides whether the body may take the path.
    virtual FileReply saveUrl(const QString &url, const QString &path, BodyCheck *check) = 0;
    FileReply saveUrl(const QString &url, const QString &path) { return saveUrl(url, path, nullptr); }

    // The last error: a number and a text describing it.
    virtual int responseCode() const = 0;
    virtual QString responseInfo() const = 0;

    virtual bool busy() const = 0;
    // Stops a running fetch and waits until its temporary file is gone. Nothing when idle.
    virtual void abort() = 0;

signals:
    // One transfer state; delivered on the thread that owns this object.
    void stateChanged(int state);

private:
    int protocol_ = ProtocolHttp;
    QString remoteHost_;
    int remotePort_ = 80;
    QString document_;
};

}  // namespace platform
