// SPDX-License-Identifier: GPL-3.0-or-later
#include "download.h"

#include "animation.h"
#include "platform/desktop.h"
#include "platform/internettransfer.h"
#include "texts.h"
#include "trust/release.h"

#include <optional>

namespace updater {

Download::Download(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view,
                   InfoState &state, Animation &animation, UpdateServer server)
    : desktop_(desktop), transfer_(transfer), view_(view), state_(state), animation_(animation),
      server_(std::move(server))
{
}

Download::Outcome Download::run()
{
    if (transfer_.busy())
        return Outcome::Busy;

    transfer_.setProtocol(platform::ProtocolHttp);
    transfer_.setRemoteHost(server_.host);
    transfer_.setRemotePort(server_.port);

    for (int row = 0; row < kProductCount; ++row) {
        if (!view_.rowChecked(row))
            continue;
        const Product &product = products()[row];

        if (desktop_.messageBox(view_.dialogOwner(), product.question, downloadQuestionTitle(),
                                platform::MsgOkCancelWarning)
            == platform::AnswerCancel)
            return Outcome::Cancelled;

        const std::optional<QImage> blank = animation_.reset(state_.mapp);
        if (!blank)
            return fail();
        view_.showStrip(*blank);
        view_.setCaption(windowTitle() + u' ' + transfer_.remoteHost());

        platform::FileDialogOptions options;
        options.title = product.saveTitle;
        options.filter = installerFilter();
        options.presetName = product.presetName;
        // An installer the user already has is not replaced without asking.
        options.confirmOverwrite = true;
        // Where the user's downloads go, never the program folder, which a pupil cannot write to.
        options.startFolder = desktop_.downloadsFolder();
        const platform::FileDialogResult chosen = desktop_.saveFileDialog(view_.dialogOwner(), options);
        if (chosen.cancelled) {
            // Nothing is downloaded and nothing is wrong: the procedure ends as a "no" does.
            view_.setCaption(windowTitle());
            return Outcome::Cancelled;
        }

        view_.startAnimation();
        view_.setUpdateEnabled(false);
        state_.laddar = true;

        // A signed release admits only the installer its manifest lists, to the byte.
        std::optional<trust::ListedFileCheck> check;
        if (server_.verifies) {
            const trust::ManifestEntry *listed =
                state_.release ? state_.release->find(product.presetName) : nullptr;
            if (!listed)
                return refuse(chosen.fileName);
            check.emplace(*listed);
        }
        const platform::FileReply reply = transfer_.saveUrl(
            platform::httpUrl(server_.host, server_.port, product.serverPath), chosen.path, check ? &*check : nullptr);
        if (reply.aborted)
            return Outcome::Aborted;
        if (reply.refused)
            return refuse(chosen.fileName);
        if (!reply.saved)
            return fail();

        endBusyDisplay();
        desktop_.messageBox(view_.dialogOwner(), downloadedText(chosen.fileName), downloadedTitle(), platform::MsgOk);
    }
    return Outcome::Finished;
}

void Download::endBusyDisplay()
{
    view_.setCaption(windowTitle());
    view_.setStatusText(QString());
    view_.setUpdateEnabled(true);
    state_.laddar = false;
    view_.stopAnimation();
}

Download::Outcome Download::refuse(const QString &fileName)
{
    endBusyDisplay();
    desktop_.messageBox(view_.dialogOwner(), unverifiedInstallerText(fileName), unverifiedTitle(), platform::MsgOkStop);
    return Outcome::Unverified;
}

Download::Outcome Download::fail()
{
    // The busy display ends as after a download: nothing keeps running for a failed one.
    endBusyDisplay();
    desktop_.messageBox(view_.dialogOwner(), downloadFailedText(), downloadFailedTitle(), platform::MsgOk);
    return Outcome::Failed;
}

}  // namespace updater
