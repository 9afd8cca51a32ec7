// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

namespace shell {

// A check box whose caption wraps onto a second line when it is wider than the box, as the
// settings dialog's long captions need.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect captionRect() const;
};

}  // namespace shell
