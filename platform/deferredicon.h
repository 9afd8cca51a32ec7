// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QProxyStyle>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// An icon that is read the first time something needs its pixels, not when a window is built.
// Reading a picture costs a decoder, and the first one Qt's image-format plugins too; an icon that
// is not on screen when the window first paints should not pay for them before it does.
// `sizes` are the sizes the icon will have, answered without reading it; empty when unknown.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> read, QList<QSize> sizes = {});

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

    // Whether the pixels have been read (for tests).
    bool isRead() const;

private:
    struct Shared {
        std::function<QIcon()> read;
        QList<QSize> sizes;
        std::optional<QIcon> icon;
    };
    explicit DeferredIconEngine(std::shared_ptr<Shared> shared);
    const QIcon &icon();

    // Clones share one reading, as copies of a QIcon share one engine.
    std::shared_ptr<Shared> shared_;
};

// The application's style as it is, but for the arrow a menu bar keeps for menus that do not fit:
// the standard style reads its picture when the menu bar is built, although it is shown only in a
// window too narrow for its menus, which the trainer's never is. Here it is read when first drawn.
class DeferredArrowStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

}  // namespace platform
