// SPDX-License-Identifier: GPL-3.0-or-later
#include "versioncheck.h"

#include "platform/desktop.h"
#include "platform/internettransfer.h"
#include "texts.h"
#include "trust/release.h"
#include "versionfile.h"

#include <algorithm>

namespace updater {

VersionCheck::VersionCheck(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view,
                           InfoState &state, UpdateServer server)
    : desktop_(desktop), transfer_(transfer), view_(view), state_(state), server_(std::move(server))
{
}

VersionCheck::Outcome VersionCheck::run()
{
    if (transfer_.busy())
        return Outcome::Busy;

    // The local programs' dates: the whole calendar date, so a file of 2030 is not a century old.
    std::array<QDate, kProductCount> localDates;
    for (int row = 0; row < kProductCount; ++row) {
        const Product &product = products()[row];
        const QString path = platform::pathInFolder(state_.mapp, platform::programFileName(product.baseName));
        const std::optional<QDateTime> modified =
            desktop_.fileExists(path) ? desktop_.fileTimestamp(path) : std::nullopt;
        if (!modified) {
            desktop_.messageBox(view_.dialogOwner(), product.missingText, missingFileTitle(), platform::MsgOk);
            return Outcome::MissingFile;
        }
        localDates[row] = modified->date();
    }

    transfer_.setProtocol(platform::ProtocolHttp);
    transfer_.setRemoteHost(server_.host);
    transfer_.setRemotePort(server_.port);
    transfer_.setDocument(versionDocument());
    const platform::TextReply reply = transfer_.openText();
    view_.setCaption(windowTitle() + u' ' + transfer_.document());

    // An error page, or a body that is not a version file, is no answer to go by.
    const bool answered = reply.complete && reply.status >= 200 && reply.status < 300 && !reply.text.isEmpty();
    const VersionFile file = splitVersionFile(answered ? reply.text : QString());
    const std::optional<std::array<QDate, kProductCount>> serverDates =
        answered ? readServerDates(file) : std::nullopt;
    if (!serverDates) {
        view_.setStatusText(QString());
        desktop_.messageBox(view_.dialogOwner(), noContactText(), noContactTitle(), platform::MsgOkStop);
        return Outcome::NoContact;
    }
    if (server_.verifies) {
        std::optional<trust::Manifest> release = verify(reply.bytes, *serverDates);
        if (!release) {
            view_.setStatusText(QString());
            desktop_.messageBox(view_.dialogOwner(), unverifiedReleaseText(), unverifiedTitle(), platform::MsgOkStop);
            return Outcome::Unverified;
        }
        state_.release = std::move(release);
    }

    view_.setIntroText(file.message);
    std::array<QString, kProductCount> names;
    int count = 0;
    for (int row = 0; row < kProductCount; ++row) {
        // A product that is not newer keeps its check box as it was.
        if (isNewer(localDates[row], (*serverDates)[row])) {
            names[row] = products()[row].resultName;
            view_.offerRow(row);
            ++count;
        }
    }
    if (count == 0) {
        view_.setUpdateEnabled(false);
        view_.setResultText(upToDateText());
    } else {
        view_.setUpdateEnabled(true);
        view_.setResultText(newerProductsText(names));
    }
    view_.setStatusText(QString());
    view_.setCheckEnabled(false);
    return Outcome::Checked;
}

}  // namespace updater

namespace updater {

QByteArray VersionCheck::fetch(const QString &document)
{
    transfer_.setDocument(document);
    const platform::TextReply reply = transfer_.openText();
    const bool answered = reply.complete && reply.status >= 200 && reply.status < 300;
    return answered ? reply.bytes : QByteArray();
}

std::optional<trust::Manifest> VersionCheck::verify(const QByteArray &version,
                                                    const std::array<QDate, kProductCount> &dates)
{
    const QByteArray manifest = fetch(manifestDocument());
    const QByteArray signature = manifest.isEmpty() ? QByteArray() : fetch(signatureDocument());
    // The transfer service goes on naming the version file, as after an unsigned check.
    transfer_.setDocument(versionDocument());
    if (signature.isEmpty())
        return std::nullopt;
    std::optional<trust::VerifiedRelease> release = trust::verifyRelease(version, manifest, signature, server_.keys);
    // The signed date is the newest of the version file's: a release is dated by what it brings.
    if (!release || release->released != *std::max_element(dates.begin(), dates.end()))
        return std::nullopt;
    return std::move(release->manifest);
}

}  // namespace updater
