// SPDX-License-Identifier: GPL-3.0-or-later
#include "versioncheck.h"

#include "platform/desktop.h"
#include "platform/internettransfer.h"
#include "texts.h"
#include "versionfile.h"

namespace updater {

VersionCheck::VersionCheck(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view,
                           const InfoState &state, UpdateServer server)
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
