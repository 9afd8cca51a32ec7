// SPDX-License-Identifier: GPL-3.0-or-later
#include "frminfo.h"

#include "download.h"
#include "platform/desktop.h"
#include "platform/fixedwindow.h"
#include "platform/formparts.h"
#include "platform/internettransfer.h"
#include "platform/product.h"
#include "platform/twips.h"
#include "statustext.h"
#include "texts.h"
#include "versioncheck.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace updater {

namespace {

// A check box that takes a click anywhere in its box, not only on its mark and caption, so its
// clickable area is the width it was drawn with even where the caption is shorter.
class WholeBoxCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

}  // namespace

using platform::twips;
using platform::form::button;
using platform::form::place;

namespace {

// The busy strip's timer runs at this interval while a download runs.
constexpr int kAnimationInterval = 300;

// The updater's labels hold sentences: they wrap.
QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    QLabel *lbl = platform::form::label(parent, name, geometry);
    lbl->setWordWrap(true);
    return lbl;
}

}  // namespace

frmInfo::frmInfo(platform::Desktop &desktop, platform::InternetTransfer &transfer, UpdateServer server, QWidget *parent)
    : QMainWindow(parent), desktop_(desktop), transfer_(transfer), server_(std::move(server)), animation_(desktop)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowIcon(platform::programIcon());
    buildControls(platform::form::fixedWindow(this, 8325, 5310, platform::form::MinimiseButton::Yes));
    buildMenus();
    connect(&transfer_, &platform::InternetTransfer::stateChanged, this, &frmInfo::InetPlugo_StateChanged);
    Form_Load();
    platform::form::keepSize(this);
}

frmInfo::~frmInfo() = default;

void frmInfo::buildControls(QWidget *client)
{
    QFont normal = QApplication::font();
    normal.setPointSizeF(8.25);
    setFont(normal);

    fraUpdate = place<QGroupBox>(client, "fraUpdate", twips(120, 120, 3972, 4932));
    fraUpdate->setTitle(frameCaption());
    cmdKoll = button(fraUpdate, "cmdKoll", QStringLiteral("Kontrollera"), twips(2640, 4440, 1092, 372));
    lblKoll = label(fraUpdate, "lblKoll", twips(240, 360, 3492, 3852));
    lblNyare = label(client, "lblNyare", twips(4320, 360, 3492, 2052));

    const std::array<QRect, 3> boxes{twips(4200, 2640, 2652, 252), twips(4200, 3000, 2772, 252),
                                     twips(4200, 3360, 2532, 252)};
    for (int row = 0; row < kProductCount; ++row) {
        auto *box = new WholeBoxCheckBox(products()[row].checkCaption, client);
        box->setObjectName(QStringLiteral("cheUpp_%1").arg(row));
        box->setGeometry(boxes[row]);
        // The layout was drawn for a narrower font: a caption wider than its box widens the box
        // rather than being cut off; a shorter one keeps the drawn width.
        box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
        box->setEnabled(false);
        box->setChecked(false);
        cheUpp[row] = box;
    }
    cmdUppdatera = button(client, "cmdUppdatera", QStringLiteral("Uppdatera"), twips(7080, 2640, 1092, 372));
    cmdUppdatera->setEnabled(false);

    lblLadda = label(client, "lblLadda", twips(4200, 4080, 3852, 732));
    // Where "MS Sans Serif" is missing (it is a bitmap font that Wine lacks), its TrueType
    // successor or Wine's Tahoma rather than whatever family comes first, often a serif one.
    QFont status;
    status.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma")});
    status.setPointSizeF(9.75);
    status.setBold(true);
    lblLadda->setFont(status);

    picAnim = place<QLabel>(client, "picAnim", twips(4200, 4920, 3975, 252));
    // The strip is drawn as it is, from the box's top-left corner.
    picAnim->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picAnim->setScaledContents(false);
    // Nothing to show until a download starts.
    picAnim->setVisible(false);

    tmrAnim = new QTimer(this);
    tmrAnim->setObjectName(QStringLiteral("tmrAnim"));
    tmrAnim->setInterval(0);
    connect(tmrAnim, &QTimer::timeout, this, &frmInfo::tmrAnim_Timer);

    setTabOrder(cmdKoll, cheUpp[0]);
    setTabOrder(cheUpp[0], cheUpp[1]);
    setTabOrder(cheUpp[1], cheUpp[2]);
    setTabOrder(cheUpp[2], cmdUppdatera);
    cmdKoll->setFocus();

    connect(cmdKoll, &QPushButton::clicked, this, &frmInfo::cmdKoll_Click);
    connect(cmdUppdatera, &QPushButton::clicked, this, &frmInfo::cmdUppdatera_Click);
}

void frmInfo::buildMenus()
{
    auto menu = [this](const char *name, const QString &title) { return platform::form::menu(this, name, title); };
    auto item = [this](QMenu *m, const char *name, const QString &caption, void (frmInfo::*handler)()) {
        return platform::form::menuItem(m, this, name, caption, handler);
    };

    QMenu *arkiv = menu("mnuArkiv", QStringLiteral("Arkiv"));
    mnuKont = item(arkiv, "mnuKont", QStringLiteral("Kontrollera"), &frmInfo::cmdKoll_Click);
    mnuUppdatera = item(arkiv, "mnuUppdatera", QStringLiteral("Uppdatera"), &frmInfo::cmdUppdatera_Click);
    mnuAvsluta = item(arkiv, "mnuAvsluta", QStringLiteral("Avsluta"), &frmInfo::mnuAvsluta_Click);

    QMenu *help = menu("mnuHelp", QStringLiteral("Hjälp"));
    mnuGhelp = item(help, "mnuGhelp", QStringLiteral("Hjälp om PlugoPro - Update"), &frmInfo::mnuGhelp_Click);
}

void frmInfo::Form_Load()
{
    state_.mapp = platform::trimSpaces(desktop_.programFolder());
    setWindowTitle(updater::windowTitle());
    lblKoll->setText(introText());
}

// --- Commands --------------------------------------------------------------------------------

void frmInfo::cmdKoll_Click()
{
    // One transfer at a time: a click while one runs is ignored.
    if (transfer_.busy())
        return;
    const bool hadFocus = cmdKoll->hasFocus();
    VersionCheck(desktop_, transfer_, *this, state_, server_).run();
    // The check button is spent after a check; Enter goes on to the next step.
    if (hadFocus && !cmdKoll->isEnabled())
        (cmdUppdatera->isEnabled() ? static_cast<QWidget *>(cmdUppdatera) : cheUpp[0])->setFocus();
}

void frmInfo::cmdUppdatera_Click()
{
    if (transfer_.busy())
        return;
    Download(desktop_, transfer_, *this, state_, animation_, server_).run();
}

void frmInfo::mnuAvsluta_Click()
{
    // At once, also in the middle of a download: the transfer stops and its temporary file goes.
    transfer_.abort();
    desktop_.endProgram();
}

void frmInfo::mnuGhelp_Click()
{
    desktop_.openDocument(this, platform::pathInFolder(state_.mapp, helpPageName()), state_.mapp);
}

void frmInfo::closeEvent(QCloseEvent *event)
{
    // The window is the whole program; during a transfer it ends as "Avsluta" ends it.
    if (transfer_.busy()) {
        transfer_.abort();
        desktop_.endProgram();
    }
    event->accept();
}

// --- Transfer status and the busy strip ------------------------------------------------------

void frmInfo::InetPlugo_StateChanged(int state)
{
    if (const std::optional<QString> text = stateText(state, state_.laddar, transfer_.responseCode(),
                                                      transfer_.responseInfo()))
        lblLadda->setText(*text);
}

void frmInfo::tmrAnim_Timer()
{
    if (const std::optional<QImage> strip = animation_.annimera(state_.mapp))
        showStrip(*strip);
}

// --- InfoView --------------------------------------------------------------------------------

void frmInfo::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void frmInfo::setIntroText(const QString &text)
{
    lblKoll->setText(text);
}

void frmInfo::setResultText(const QString &text)
{
    lblNyare->setText(text);
}

void frmInfo::setStatusText(const QString &text)
{
    lblLadda->setText(text);
}

bool frmInfo::rowChecked(int row) const
{
    return cheUpp[row]->isChecked();
}

void frmInfo::offerRow(int row)
{
    cheUpp[row]->setEnabled(true);
    cheUpp[row]->setChecked(true);
}

void frmInfo::setUpdateEnabled(bool enabled)
{
    cmdUppdatera->setEnabled(enabled);
}

void frmInfo::setCheckEnabled(bool enabled)
{
    cmdKoll->setEnabled(enabled);
}

void frmInfo::showStrip(const QImage &picture)
{
    picAnim->setPixmap(QPixmap::fromImage(picture));
}

void frmInfo::startAnimation()
{
    tmrAnim->start(kAnimationInterval);
    picAnim->setVisible(true);
}

void frmInfo::stopAnimation()
{
    tmrAnim->stop();
    picAnim->setVisible(false);
}

}  // namespace updater
