// SPDX-License-Identifier: GPL-3.0-or-later
#include "inetplugo.h"

#include "atomicfile.h"
#include "plugo/version.h"
#include "windows1252.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <curl/curl.h>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

// Everything one fetch needs. The worker thread owns it while it runs; the calling thread only
// touches `abortRequested` and the multi handle's wake-up until the worker has finished.
struct InetPlugo::Job {
    InetPlugo *owner = nullptr;
    QByteArray url;
    bool toFile = false;
    QString path;
    BodyCheck *check = nullptr;
    // run() sets both from the object's time-out.
    long connectTimeoutMs = static_cast<long>(kDefaultTimeout.count());
    long stallSeconds = static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(kDefaultTimeout).count());
    qint64 textLimit = 0;

    CURLM *multi = nullptr;
    CURL *easy = nullptr;
    std::atomic<bool> abortRequested{false};

    // Which states have been reported; each is reported once per fetch.
    bool resolving = false;
    bool connecting = false;
    bool connected = false;
    bool requestSent = false;
    bool receiving = false;
    bool socketClosed = false;

    // The body: in memory for a text document, else streamed to the file.
    QByteArray body;
    std::unique_ptr<AtomicFile> file;
    bool bodyChecked = false;
    bool keepBody = false;
    qint64 bytes = 0;

    char errorText[CURL_ERROR_SIZE] = {};

    // Results, read by the calling thread once the worker has finished.
    bool complete = false;
    bool aborted = false;
    bool saved = false;
    bool refused = false;
    long status = 0;
};

namespace {

using Job = InetPlugo::Job;

void post(Job &job, int state)
{
    InetPlugo *owner = job.owner;
    QMetaObject::invokeMethod(owner, [owner, state] { emit owner->stateChanged(state); }, Qt::QueuedConnection);
}

// Name resolution starts: always, since every fetch has its own handle and so its own cache.
int onResolverStart(void *, void *, void *userdata)
{
    auto &job = *static_cast<Job *>(userdata);
    if (!job.resolving) {
        job.resolving = true;
        post(job, StateResolving);
    }
    return job.abortRequested ? 1 : 0;
}

// A socket is opened for an address the resolver found.
curl_socket_t onOpenSocket(void *clientp, curlsocktype, curl_sockaddr *address)
{
    auto &job = *static_cast<Job *>(clientp);
    if (!job.connecting) {
        job.connecting = true;
        post(job, StateResolved);
        post(job, StateConnecting);
    }
    return ::socket(address->family, address->socktype, address->protocol);
}

int onCloseSocket(void *clientp, curl_socket_t socket)
{
    auto &job = *static_cast<Job *>(clientp);
    job.socketClosed = true;
#ifdef _WIN32
    return ::closesocket(socket);
#else
    return ::close(socket);
#endif
}

// The connection stands and the request is about to go out.
int onPrerequest(void *clientp, char *, char *, int, int)
{
    auto &job = *static_cast<Job *>(clientp);
    if (!job.connected) {
        job.connected = true;
        post(job, StateConnected);
        post(job, StateRequesting);
    }
    return CURL_PREREQFUNC_OK;
}

int onDebug(CURL *, curl_infotype type, char *, size_t, void *userdata)
{
    auto &job = *static_cast<Job *>(userdata);
    if (type == CURLINFO_HEADER_OUT && !job.requestSent) {
        job.requestSent = true;
        post(job, StateRequestSent);
    }
    return 0;
}

size_t onHeader(char *, size_t size, size_t count, void *userdata)
{
    auto &job = *static_cast<Job *>(userdata);
    if (!job.receiving) {
        job.receiving = true;
        post(job, StateReceivingResponse);
    }
    return size * count;
}

bool isSuccess(long status)
{
    return status >= 200 && status < 300;
}

size_t onBody(char *data, size_t size, size_t count, void *userdata)
{
    auto &job = *static_cast<Job *>(userdata);
    const size_t length = size * count;
    if (job.abortRequested)
        return 0;
    if (!job.toFile) {
        if (job.body.size() + static_cast<qint64>(length) > job.textLimit)
            return 0;
        job.body.append(data, static_cast<qsizetype>(length));
        job.bytes += static_cast<qint64>(length);
        return length;
    }
    if (!job.bodyChecked) {
        job.bodyChecked = true;
        long status = 0;
        curl_easy_getinfo(job.easy, CURLINFO_RESPONSE_CODE, &status);
        // An error page is never written where an installer belongs.
        job.keepBody = isSuccess(status);
        if (job.keepBody) {
            job.file = std::make_unique<AtomicFile>(job.path);
            if (!job.file->open())
                return 0;
        }
    }
    job.bytes += static_cast<qint64>(length);
    if (!job.keepBody)
        return length;
    if (job.check && !job.check->take(QByteArrayView(data, static_cast<qsizetype>(length)))) {
        job.refused = true;
        return 0;
    }
    return job.file->write(QByteArrayView(data, static_cast<qsizetype>(length))) ? length : 0;
}

int onProgress(void *clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Job *>(clientp)->abortRequested ? 1 : 0;
}

void configure(Job &job)
{
    CURL *easy = job.easy;
    curl_easy_setopt(easy, CURLOPT_URL, job.url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "PlugoPro Update/" PLUGO_VERSION_TEXT);
    // The programs read no environment: no proxy from it either.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    // The worker thread must not get signals from curl.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, job.connectTimeoutMs);
    // A transfer that stalls fails; one that is merely slow goes on.
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, job.stallSeconds);
    // The connection ends with the fetch, so its closing is part of what the fetch reports.
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, 256L * 1024L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, job.errorText);

    curl_easy_setopt(easy, CURLOPT_RESOLVER_START_FUNCTION, onResolverStart);
    curl_easy_setopt(easy, CURLOPT_RESOLVER_START_DATA, &job);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, onOpenSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, &job);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, onCloseSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, &job);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, onPrerequest);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, &job);
    // The debug callback is how curl tells that the request header has gone out.
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, &job);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &job);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &job);
}

// Runs one fetch on the worker thread, to its end or until the caller aborts it.
void work(Job &job)
{
    InetPlugo *owner = job.owner;
    CURLcode result = CURLE_FAILED_INIT;
    job.easy = curl_easy_init();
    if (job.easy && job.multi) {
        configure(job);
        curl_multi_add_handle(job.multi, job.easy);
        bool done = false;
        while (!done) {
            int running = 0;
            if (curl_multi_perform(job.multi, &running) != CURLM_OK)
                break;
            int left = 0;
            while (CURLMsg *message = curl_multi_info_read(job.multi, &left)) {
                if (message->msg == CURLMSG_DONE) {
                    result = message->data.result;
                    done = true;
                }
            }
            if (done)
                break;
            if (job.abortRequested) {
                job.aborted = true;
                break;
            }
            // Wakes up on the socket, on curl's own timers, or on the caller's abort.
            if (curl_multi_poll(job.multi, nullptr, 0, 1000, nullptr) != CURLM_OK)
                break;
        }
        if (job.abortRequested)
            job.aborted = true;
        curl_easy_getinfo(job.easy, CURLINFO_RESPONSE_CODE, &job.status);
        curl_multi_remove_handle(job.multi, job.easy);
        curl_easy_cleanup(job.easy);
        job.easy = nullptr;
    }

    if (job.aborted) {
        // The program is ending: nothing more is reported, and no temporary file stays behind.
        if (job.file)
            job.file->cancel();
    } else if (result == CURLE_OK) {
        job.complete = true;
        post(job, StateResponseReceived);
        if (job.file) {
            if (job.keepBody && job.check && !job.check->acceptWhole())
                job.refused = true;
            job.saved = job.keepBody && !job.refused && job.bytes > 0 && job.file->commit();
            if (!job.saved)
                job.file->cancel();
        }
        // A connection the server closed was closed before the body was handed over; it is told
        // after the response all the same, the order a transfer is described in.
        if (job.socketClosed) {
            post(job, StateClosingConnection);
            post(job, StateConnectionClosed);
        }
        post(job, StateResponseCompleted);
    } else {
        if (job.file)
            job.file->cancel();
        const int code = static_cast<int>(result);
        const QString info = job.errorText[0] != '\0' ? QString::fromLocal8Bit(job.errorText)
                                                      : QString::fromLatin1(curl_easy_strerror(result));
        QMetaObject::invokeMethod(owner, [owner, code, info] { owner->reportError(code, info); },
                                  Qt::QueuedConnection);
    }
    job.file.reset();
    QMetaObject::invokeMethod(owner, [owner] { owner->finishRun(); }, Qt::QueuedConnection);
}

}  // namespace

InetPlugo::InetPlugo(QObject *parent) : InternetTransfer(parent)
{
    setObjectName(QStringLiteral("InetPlugo"));
}

InetPlugo::~InetPlugo()
{
    abort();
}

TextReply InetPlugo::openText()
{
    TextReply reply;
    if (busy())
        return reply;
    auto job = std::make_shared<Job>();
    job->url = httpUrl(remoteHost(), remotePort(), document()).toUtf8();
    job->textLimit = textLimit_;
    run(job);
    reply.complete = job->complete;
    reply.status = static_cast<int>(job->status);
    if (reply.complete) {
        reply.text = decodeWindows1252(job->body);
        reply.bytes = job->body;
    }
    return reply;
}

FileReply InetPlugo::saveUrl(const QString &url, const QString &path, BodyCheck *check)
{
    FileReply reply;
    if (busy())
        return reply;
    auto job = std::make_shared<Job>();
    job->url = url.toUtf8();
    job->toFile = true;
    job->path = path;
    job->check = check;
    run(job);
    reply.complete = job->complete;
    reply.aborted = job->aborted;
    reply.saved = job->saved;
    reply.status = static_cast<int>(job->status);
    reply.bytes = job->bytes;
    reply.refused = job->refused;
    return reply;
}

void InetPlugo::run(const std::shared_ptr<Job> &job)
{
    job->owner = this;
    job->connectTimeoutMs = static_cast<long>(std::max<std::chrono::milliseconds::rep>(1, timeout_.count()));
    job->stallSeconds = static_cast<long>(std::max<std::chrono::milliseconds::rep>(1, (timeout_.count() + 999) / 1000));
    if (protocol() != ProtocolHttp) {
        reportError(CURLE_UNSUPPORTED_PROTOCOL, QString::fromLatin1(curl_easy_strerror(CURLE_UNSUPPORTED_PROTOCOL)));
        return;
    }

    job->multi = curl_multi_init();
    job_ = job;
    QEventLoop loop;
    loop_ = &loop;
    thread_ = QThread::create([job] { work(*job); });
    thread_->start();
    // The window goes on with its events until the worker's last notification has arrived.
    loop.exec();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    loop_ = nullptr;
    curl_multi_cleanup(job->multi);
    job->multi = nullptr;
    job_.reset();
}

void InetPlugo::reportError(int code, const QString &info)
{
    responseCode_ = code;
    responseInfo_ = info;
    emit stateChanged(StateError);
}

void InetPlugo::finishRun()
{
    if (loop_)
        loop_->quit();
}

void InetPlugo::abort()
{
    if (!job_ || !thread_)
        return;
    job_->abortRequested = true;
    curl_multi_wakeup(job_->multi);
    // The worker drops its temporary file before it ends; the program may end right after this.
    thread_->wait(QDeadlineTimer(10000));
}

}  // namespace platform
