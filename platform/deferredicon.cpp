// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferredicon.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyle>
#include <QWidget>

namespace platform {

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> read, QList<QSize> sizes)
    : shared_(std::make_shared<Shared>(Shared{std::move(read), std::move(sizes), std::nullopt}))
{
}

DeferredIconEngine::DeferredIconEngine(std::shared_ptr<Shared> shared) : shared_(std::move(shared))
{
}

const QIcon &DeferredIconEngine::icon()
{
    if (!shared_->icon)
        shared_->icon = shared_->read();
    return *shared_->icon;
}

void DeferredIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    // `size` is in device pixels here; QIcon wants it in the caller's pixels and the ratio.
    return icon().pixmap(scale > 0 ? size / scale : size, scale, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    if (!shared_->icon && !shared_->sizes.isEmpty())
        return mode == QIcon::Normal && state == QIcon::Off ? shared_->sizes : QList<QSize>();
    return icon().availableSizes(mode, state);
}

QString DeferredIconEngine::iconName()
{
    return icon().name();
}

bool DeferredIconEngine::isNull()
{
    // An icon whose sizes are known has pictures; asking is what every window does when given it.
    if (!shared_->icon && !shared_->sizes.isEmpty())
        return false;
    return icon().isNull();
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(shared_);
}

bool DeferredIconEngine::isRead() const
{
    return shared_->icon.has_value();
}

QIcon DeferredArrowStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // The option is the caller's and lives only for this call; the widget may be gone by the time
    // the arrow is drawn.
    const QPointer<QWidget> owner(const_cast<QWidget *>(widget));
    const QPointer<QStyle> base(baseStyle());
    return QIcon(new DeferredIconEngine(
        [base, which, owner] { return base ? base->standardIcon(which, nullptr, owner.data()) : QIcon(); }));
}

}  // namespace platform
