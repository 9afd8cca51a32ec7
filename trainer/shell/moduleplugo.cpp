#include "moduleplugo.h"

#include "installningar.h"
#include "platform/desktop.h"

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
    return platform::pathInFolder(keptFolder.isEmpty() ? programmapp : keptFolder, name);
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
    if (!windows_.contains(window))
        windows_.append(window);
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
