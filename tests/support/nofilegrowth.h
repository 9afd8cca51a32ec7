// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// While it lives, no file of this process can grow: every write to a file fails as on a full disk.
// Works for root too, where a read-only folder would not stop anything.
class NoFileGrowth {
public:
    NoFileGrowth()
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = old_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileGrowth()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    NoFileGrowth(const NoFileGrowth &) = delete;
    NoFileGrowth &operator=(const NoFileGrowth &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace testing_support
#endif
