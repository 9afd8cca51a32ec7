// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows1252.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using platform::decodeWindows1252;
using platform::encodeWindows1252;

namespace {

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

bool unassigned(int b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

TEST(Windows1252, DecodesEveryByteLikeIcu)
{
    QStringDecoder icu("windows-1252");
    if (!icu.isValid())
        GTEST_SKIP() << "this Qt has no ICU decoder for windows-1252";
    const QString ours = decodeWindows1252(allBytes());
    ASSERT_EQ(ours.size(), 256);
    for (int b = 0; b < 256; ++b) {
        if (unassigned(b))
            continue;  // ICU maps these differently from Windows; ours keep their number
        const QString theirs = icu.decode(QByteArray(1, static_cast<char>(b)));
        ASSERT_EQ(theirs.size(), 1) << "byte " << b;
        EXPECT_EQ(ours.at(b).unicode(), theirs.at(0).unicode()) << "byte " << b;
    }
}

#ifdef Q_OS_WIN
// Where the files come from: Windows' own code page 1252, every byte the same both ways.
TEST(Windows1252, DecodesAndEncodesEveryByteLikeWindows)
{
    const QByteArray bytes = allBytes();
    wchar_t wide[256];
    ASSERT_EQ(MultiByteToWideChar(1252, 0, bytes.constData(), 256, wide, 256), 256);
    EXPECT_EQ(decodeWindows1252(bytes), QString::fromWCharArray(wide, 256));
    char narrow[256];
    BOOL lossy = FALSE;
    ASSERT_EQ(WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide, 256, narrow, 256, nullptr, &lossy), 256);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(*encodeWindows1252(QString::fromWCharArray(wide, 256)), QByteArray(narrow, 256));
}
#endif

TEST(Windows1252, SwedishLettersAndEuro)
{
    EXPECT_EQ(decodeWindows1252("\xE5\xE4\xF6\xC5\xC4\xD6\xA3\x80"), QStringLiteral(u"åäöÅÄÖ£€"));
    EXPECT_EQ(*encodeWindows1252(u"Träna dina glosläxor!"), QByteArray("Tr\xE4na dina glosl\xE4xor!"));
}

TEST(Windows1252, EveryByteComesBackAsItWas)
{
    const QByteArray bytes = allBytes();
    const QString text = decodeWindows1252(bytes);
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text.at(b).unicode(), b) << "unassigned byte " << b << " becomes the control character";
    const auto back = encodeWindows1252(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, bytes);
}

TEST(Windows1252, CharactersOutsideTheCodePageAreRefused)
{
    EXPECT_FALSE(encodeWindows1252(u"Łódź").has_value());
    EXPECT_FALSE(encodeWindows1252(u"日本").has_value());
    EXPECT_FALSE(encodeWindows1252(QString(QChar(0x0080))).has_value()) << "U+0080 has no byte; 0x80 is the euro";
    EXPECT_TRUE(encodeWindows1252(u"").has_value());
    EXPECT_FALSE(platform::fitsWindows1252(u'Ł'));
    EXPECT_TRUE(platform::fitsWindows1252(u'ÿ'));
}
