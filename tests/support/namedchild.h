// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace testing_support {

// The child of the given type and object name, with a test failure naming it when there is none.
template <typename T>
T *namedChild(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

}  // namespace testing_support
