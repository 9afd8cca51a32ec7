// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace shell {

// A label that shows plain text only and reports double-clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
    }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLabel::mouseDoubleClickEvent(event);
        emit doubleClicked();
    }
};

}  // namespace shell
