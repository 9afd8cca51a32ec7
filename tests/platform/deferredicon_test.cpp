// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/deferredicon.h"
#include "platform/product.h"

#include <QImage>
#include <QPixmap>
#include <QStyleFactory>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QIcon twoSizes()
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(size == 16 ? Qt::red : Qt::blue);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

// What a window asks of an icon it is given must not read it; the first picture asked for reads it
// once, for every copy.
TEST(DeferredIcon, ReadOnceWhenAPictureIsFirstNeeded)
{
    int reads = 0;
    const QIcon icon(new DeferredIconEngine(
        [&reads] {
            ++reads;
            return twoSizes();
        },
        {QSize(16, 16), QSize(32, 32)}));
    const QIcon copy = icon;
    EXPECT_FALSE(copy.isNull());
    EXPECT_EQ(copy.availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}));
    EXPECT_TRUE(copy.availableSizes(QIcon::Disabled).isEmpty());
    EXPECT_EQ(reads, 0);

    EXPECT_EQ(copy.pixmap(QSize(32, 32)).toImage().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(32, 32));
    EXPECT_EQ(reads, 1);
}

// Without known sizes, even asking whether there is an icon reads it.
TEST(DeferredIcon, UnknownSizesAreRead)
{
    int reads = 0;
    const QIcon icon(new DeferredIconEngine([&reads] {
        ++reads;
        return QIcon();
    }));
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().isEmpty());
    EXPECT_EQ(reads, 1);
}

TEST(DeferredIcon, ProgramIconHasFourSizesAndTheSmallOneAlone)
{
    EXPECT_EQ(programIcon().availableSizes(),
              QList<QSize>({QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)}));
    EXPECT_EQ(programIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
    EXPECT_EQ(smallProgramIcon().availableSizes(), QList<QSize>({QSize(16, 16)}));
    EXPECT_EQ(smallProgramIcon().pixmap(QSize(16, 16)).toImage(), programIcon().pixmap(QSize(16, 16)).toImage());
}

// The menu bar's arrow looks as the style's own, once drawn.
TEST(DeferredIcon, ArrowStyleDrawsTheStylesOwnArrow)
{
    auto *base = QStyleFactory::create(QStringLiteral("Fusion"));
    DeferredArrowStyle style;
    style.setBaseStyle(base);
    for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage ours = style.standardIcon(which).pixmap(QSize(16, 16)).toImage();
        EXPECT_FALSE(ours.isNull());
        EXPECT_EQ(ours, base->standardIcon(which).pixmap(QSize(16, 16)).toImage());
    }
}
