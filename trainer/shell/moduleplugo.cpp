// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduleplugo.h"

#include "installningar.h"
#include "platform/desktop.h"

#include <QDir>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace shell {

namespace {

struct Tip {
    const char *window;
    const char *control;
    const char16_t *text;
};

// In the order they are set.
constexpr Tip kTips[] = {
    {"frmPlugo", "txtSprak1", u"Här skall du skriva in det rätta ordet."},
    {"frmPlugo", "lblSprak2", u"Här är ordet som du skall översätta."},
    {"frmPlugo", "cmdOpen", u"Öppnar en glosfil att öva på."},
    {"frmPlugo", "cmdNasta", u"Visar nästa ord att öva på."},
    {"frmPlugo", "cmdRatta", u"Programmet rättar."},
    {"frmInst", "cmdOk", u"Sparar dina inställningar."},
    {"frmInst", "cmdAvbryt", u"Stänger \"Inställningar\" utan att spara."},
    {"frmInst", "fraTextstorlek", u"Välj textstorlek på orden när glosfilen visas som webbsida."},
    {"frmInst", "fraFarg", u"Välj färg på bakgrund och text på webbsidan."},
    {"frmInst", "cheFilnamn", u"Kryssa i om du vill slippa se hela sökvägen."},
    {"frmInst", "cheTooltips", u"Kryssa för om du vill slippa sådana här verktygstips."},
};

// Qt hands a tooltip request that a control does not answer to its parent, so an option button
// would show its frame's tooltip. A control shows its own tooltip or none.
class OwnTooltipOnly final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->toolTip().isEmpty()) {
                QToolTip::hideText();
                event->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The program folder when it can be written; otherwise the user's own data folder, made when missing.
QString keptFolderFor(const platform::Desktop &desktop, const QString &programmapp)
{
    if (desktop.isFolderWritable(programmapp))
        return programmapp;
    const QString own = desktop.userDataFolder();
    if (!own.isEmpty() && QDir().mkpath(own) && desktop.isFolderWritable(own))
        return own;
    // Nowhere to write: the program folder all the same; every write there fails quietly.
    return programmapp;
}

void keepTooltipsToTheirOwners(QWidget *window)
{
    const QString name = QStringLiteral("ownTooltipOnly");
    if (window->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new OwnTooltipOnly(window);
    filter->setObjectName(name);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isWindow())  // menus are windows of their own and have no tooltips
            control->installEventFilter(filter);
    }
}

}  // namespace

QString tooltipText(const QString &window, const QString &control)
{
    for (const Tip &tip : kTips) {
        if (window == QLatin1String(tip.window) && control == QLatin1String(tip.control))
            return QString::fromUtf16(tip.text);
    }
    return QString();
}

QString modulePlugo::fileInFolder(const QString &name) const
{
    return platform::pathInFolder(programmapp, name);
}

QString modulePlugo::keptFile(const QString &name) const
{
    return platform::pathInFolder(keptFolderPath(), name);
}

void modulePlugo::start(const platform::Desktop &desktop)
{
    programmapp = platform::trimSpaces(desktop.programFolder());
    keptFolder = keptFolderFor(desktop, programmapp);
    readSettings();
}

void modulePlugo::readSettings()
{
    const SettingsValues values = readSettingsFile(settingsPath());
    farg = values[0];
    textstorlek = values[1];
    ingatips = values[2];
    barafilnamn = values[3];
}

bool modulePlugo::writeSettings() const
{
    return writeSettingsFile(settingsPath(), {farg, textstorlek, ingatips, barafilnamn});
}

void modulePlugo::visatips()
{
    setTips(true);
}

void modulePlugo::doljtips()
{
    setTips(false);
}

void modulePlugo::applyTips()
{
    if (ingatips != 0)
        doljtips();
    else
        visatips();
}

void modulePlugo::addWindow(QWidget *window)
{
    windows_.removeAll(nullptr);
    if (!windows_.contains(window)) {
        windows_.append(window);
        keepTooltipsToTheirOwners(window);
    }
    // A window that arrives later shows the tooltips as they are now.
    setTips(tipsShown_);
}

void modulePlugo::setTips(bool shown)
{
    tipsShown_ = shown;
    for (const Tip &tip : kTips) {
        for (const QPointer<QWidget> &window : std::as_const(windows_)) {
            if (!window || window->objectName() != QLatin1String(tip.window))
                continue;
            if (auto *control = window->findChild<QWidget *>(QLatin1String(tip.control)))
                control->setToolTip(shown ? QString::fromUtf16(tip.text) : QString());
        }
    }
}

}  // namespace shell
