// SPDX-License-Identifier: GPL-3.0-or-later
#include "frminst.h"

#include "moduleplugo.h"
#include "platform/desktop.h"
#include "platform/fixedwindow.h"
#include "platform/product.h"
#include "platform/twips.h"
#include "wrapcheckbox.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace shell {

using platform::twips;

namespace {

template <typename Widget>
Widget *place(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *widget = new Widget(caption, parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A stored value the check box can show: 0 unchecked, 1 checked; any other value shows as
// neither and is kept until the user changes the box.
void showCheckValue(QCheckBox *box, qint16 value)
{
    if (value == 0 || value == 1) {
        box->setChecked(value == 1);
        return;
    }
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
}

qint16 checkValue(const QCheckBox *box, qint16 stored)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::Unchecked:
        return 0;
    default:
        return stored;
    }
}

}  // namespace

QString settingsNotSavedText()
{
    return QStringLiteral("Inställningarna kunde inte sparas i \"plugo.slg\".\n"
                          "De gäller tills du avslutar programmet.");
}

QString settingsNotSavedTitle()
{
    return QStringLiteral("Kunde inte spara");
}

frmInst::frmInst(platform::Desktop &desktop, modulePlugo &module, QWidget *parent)
    : QDialog(parent), desktop_(desktop), module_(module)
{
    setObjectName(QStringLiteral("frmInst"));
    setWindowIcon(platform::programIcon());
    platform::form::fixedWindow(this, 5055, 3840, platform::form::MinimiseButton::No);
    setModal(false);
    QFont normal = QApplication::font();
    normal.setPointSizeF(8.25);
    setFont(normal);

    cmdOk = place<QPushButton>(this, QStringLiteral("cmdOk"), QStringLiteral("OK"), twips(240, 3360, 1092, 372));
    cmdAvbryt = place<QPushButton>(this, QStringLiteral("cmdAvbryt"), QStringLiteral("Avbryt"),
                                   twips(1680, 3360, 972, 372));
    fraFarg = place<QGroupBox>(this, QStringLiteral("fraFarg"), QStringLiteral("Färger på websida"),
                               twips(120, 120, 2652, 1932));
    fraTextstorlek = place<QGroupBox>(this, QStringLiteral("fraTextstorlek"), QStringLiteral("Textstorlek på websida"),
                                      twips(120, 2160, 2652, 1092));
    const QString colours[4] = {QStringLiteral("Svart text, vit bakgrund"), QStringLiteral("Vit text, svart bakgrund"),
                                QStringLiteral("Röd text, gul bakgrund"), QStringLiteral("Vit text, blå bakgrund")};
    for (int i = 0; i < 4; ++i)
        optFarg[i] = place<QRadioButton>(fraFarg, QStringLiteral("optFarg_%1").arg(i), colours[i],
                                         twips(240, 360 + 360 * i, 2292, 252));
    const QString sizes[4] = {QStringLiteral("Normal"), QStringLiteral("+1"), QStringLiteral("+2"),
                              QStringLiteral("+3")};
    const QRect sizePlaces[4] = {twips(120, 360, 1092, 252), twips(1560, 360, 612, 252), twips(120, 720, 1092, 252),
                                 twips(1560, 720, 612, 252)};
    for (int i = 0; i < 4; ++i)
        optTextstorlek[i] = place<QRadioButton>(fraTextstorlek, QStringLiteral("optTextstorlek_%1").arg(i), sizes[i],
                                                sizePlaces[i]);
    cheTooltips = place<WrapCheckBox>(this, QStringLiteral("cheTooltips"), QStringLiteral("Visa inte verktygstips"),
                                      twips(2880, 360, 2052, 372));
    cheFilnamn = place<WrapCheckBox>(this, QStringLiteral("cheFilnamn"),
                                     QStringLiteral("Visa endast filnamn i \"Tdigare\""), twips(2880, 960, 2052, 372));

    for (QPushButton *button : {cmdOk, cmdAvbryt})
        button->setAutoDefault(true);
    QWidget *order[] = {cmdOk,       cmdAvbryt,         optFarg[0],        optFarg[1],        optFarg[2],
                        optFarg[3],  optTextstorlek[0], optTextstorlek[1], optTextstorlek[2], optTextstorlek[3],
                        cheTooltips, cheFilnamn};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(cmdOk, &QPushButton::clicked, this, &frmInst::cmdOk_Click);
    connect(cmdAvbryt, &QPushButton::clicked, this, &frmInst::cmdAvbryt_Click);
    Form_Load();
}

void frmInst::Form_Load()
{
    setWindowTitle(platform::productTitle() + QStringLiteral(" - Inställningar"));
    if (module_.farg >= 0 && module_.farg <= 3)
        optFarg[module_.farg]->setChecked(true);
    if (module_.textstorlek >= 0 && module_.textstorlek <= 3)
        optTextstorlek[module_.textstorlek]->setChecked(true);
    showCheckValue(cheTooltips, module_.ingatips);
    showCheckValue(cheFilnamn, module_.barafilnamn);
}

void frmInst::cmdOk_Click()
{
    for (int i = 0; i < 4; ++i) {
        if (optFarg[i]->isChecked()) {
            module_.farg = static_cast<qint16>(i);
            break;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (optTextstorlek[i]->isChecked()) {
            module_.textstorlek = static_cast<qint16>(i);
            break;
        }
    }
    module_.ingatips = checkValue(cheTooltips, module_.ingatips);
    module_.barafilnamn = checkValue(cheFilnamn, module_.barafilnamn);
    module_.applyTips();
    // A settings file that cannot be written stops nothing: the settings hold for this run.
    if (!module_.writeSettings())
        desktop_.messageBox(this, settingsNotSavedText(), settingsNotSavedTitle(), platform::MsgOkWarning);
    accept();
}

void frmInst::cmdAvbryt_Click()
{
    reject();
}

}  // namespace shell
