// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "updater/animation.h"

#include <QFile>
#include <gtest/gtest.h>

using testing_support::ScriptedDesktop;
using testing_support::TempFolder;
using updater::Animation;

namespace {

void installStrips(const TempFolder &folder)
{
    for (const char *name : {"ladda.bmp", "liten.bmp"})
        QFile::copy(testing_support::dataFolder() + "/" + name, folder.file(name));
}

}  // namespace

TEST(UpdaterData, StripIsAProgressBarOfAtLeast300By5)
{
    const QImage strip(testing_support::dataFolder() + "/ladda.bmp");
    ASSERT_FALSE(strip.isNull());
    EXPECT_GE(strip.width(), 300);
    EXPECT_GE(strip.height(), 5);
    const QImage blank(testing_support::dataFolder() + "/liten.bmp");
    ASSERT_FALSE(blank.isNull());
    EXPECT_GE(blank.width(), 1);
}

TEST(Animation, HundredTicksMakeOneSweep)
{
    TempFolder folder;
    installStrips(folder);
    ScriptedDesktop desktop;
    Animation animation(desktop);
    const QImage strip(folder.file("ladda.bmp"));
    for (int tick = 1; tick <= 100; ++tick) {
        const std::optional<QImage> cut = animation.annimera(folder.path());
        ASSERT_TRUE(cut.has_value()) << tick;
        EXPECT_EQ(cut->size(), QSize(3 * tick, 5)) << tick;
        EXPECT_EQ(animation.steg(), tick == 100 ? 0 : 3 * tick) << tick;
        if (tick == 50) {
            EXPECT_EQ(*cut, strip.copy(0, 0, 150, 5)) << "the left part of the strip, unscaled";
        }
    }
    EXPECT_EQ(animation.steg(), 0);
    const std::optional<QImage> next = animation.annimera(folder.path());
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->width(), 3) << "the 101st tick starts again";
}

TEST(Animation, ResetShowsOnePixelOfTheBlank)
{
    TempFolder folder;
    installStrips(folder);
    ScriptedDesktop desktop;
    Animation animation(desktop);
    for (int i = 0; i < 7; ++i)
        animation.annimera(folder.path());
    ASSERT_EQ(animation.steg(), 21);
    const std::optional<QImage> blank = animation.reset(folder.path());
    ASSERT_TRUE(blank.has_value());
    EXPECT_EQ(blank->size(), QSize(1, 1));
    EXPECT_EQ(animation.steg(), 0);
    EXPECT_EQ(animation.annimera(folder.path())->width(), 3);
}

TEST(Animation, MissingStripMakesATickDoNothing)
{
    TempFolder folder;
    ScriptedDesktop desktop;
    Animation animation(desktop);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(animation.annimera(folder.path()).has_value());
    EXPECT_EQ(animation.steg(), 0);
    folder.write("ladda.bmp", "not a picture");
    EXPECT_FALSE(animation.annimera(folder.path()).has_value());
    EXPECT_EQ(animation.steg(), 0);
    // Once the strip is there, the ticks go on.
    QFile::remove(folder.file("ladda.bmp"));
    installStrips(folder);
    EXPECT_EQ(animation.annimera(folder.path())->width(), 3);
}

TEST(Animation, MissingBlankFailsTheReset)
{
    TempFolder folder;
    ScriptedDesktop desktop;
    Animation animation(desktop);
    EXPECT_FALSE(animation.reset(folder.path()).has_value());
}
