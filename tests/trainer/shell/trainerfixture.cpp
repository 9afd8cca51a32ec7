// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainerfixture.h"

#include "platform/windows1252.h"
#include "support/namedchild.h"
#include "vocabfile/fieldreader.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

void TrainerTest::SetUp()
{
    desktop.folder = folder.path();
    testing_support::installPictures(folder.path());
}

void TrainerTest::TearDown()
{
    window.reset();
}

void TrainerTest::start()
{
    window = std::make_unique<shell::frmPlugo>(desktop, module, 12345u);
    window->show();
    window->Form_Activate();
    QApplication::setActiveWindow(window.get());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QString TrainerTest::vocabulary(const QString &name, const QString &text)
{
    // Remember which word answers each meaning.
    vocabulary::FieldReader reader(text);
    reader.next();
    while (!reader.atEnd()) {
        const auto word = reader.next();
        const auto meanings = reader.next();
        if (!word || !meanings)
            break;
        for (const QString &meaning : meanings->split(u'$'))
            answers.insert(meaning, word->trimmed());
    }
    return folder.write(name, platform::encodeWindows1252(text).value());
}

void TrainerTest::open(const QString &path)
{
    desktop.chooseOpen(path);
    QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
}

QPushButton *TrainerTest::button(const char *name) const
{
    return testing_support::namedChild<QPushButton>(window.get(), QString::fromLatin1(name));
}

QLabel *TrainerTest::label(const char *name) const
{
    return testing_support::namedChild<QLabel>(window.get(), QString::fromLatin1(name));
}

QLineEdit *TrainerTest::answerBox() const
{
    return window->findChild<QLineEdit *>(QStringLiteral("txtSprak1"));
}

QAction *TrainerTest::action(const char *name) const
{
    return testing_support::namedChild<QAction>(window.get(), QString::fromLatin1(name));
}

QString TrainerTest::rightAnswer() const
{
    return answers.value(text("lblSprak2"));
}

void TrainerTest::typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void TrainerTest::typeAndEnter(const QString &typed)
{
    typeText(answerBox(), typed);
    QTest::keyClick(answerBox(), Qt::Key_Return);
}

QWidget *TrainerTest::focused() const
{
    return QApplication::focusWidget();
}

void TrainerTest::pressKey(Qt::Key key)
{
    QWidget *target = focused();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key);
}
