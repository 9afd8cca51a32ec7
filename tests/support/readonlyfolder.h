// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace testing_support {

// Makes a folder read-only while it lives: by its permissions for an ordinary user, by a read-only
// bind mount for root (whom permissions do not stop). `active()` is false when neither works here.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool active() const { return how_ != How::None; }

private:
    enum class How { None, Permissions, Mount };
    QString folder_;
    How how_ = How::None;
};

}  // namespace testing_support
