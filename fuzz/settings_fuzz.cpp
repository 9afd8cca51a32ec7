// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on any bytes: four values, the same ones after a write and a read.
#include "trainer/shell/installningar.h"

#include <cstdint>
#include <cstdlib>

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const shell::SettingsValues values = shell::parseSettings(bytes);
    const QByteArray written = shell::settingsBytes(values);
    check(written.size() == shell::kSettingsBytes);
    check(shell::parseSettings(written) == values);
    for (int n = 0; n < shell::kSettingsRecords; ++n) {
        const qsizetype at = qsizetype(n) * shell::kSettingsRecordBytes;
        check(written[at + 2] == 0 && written[at + 3] == 0);
        if (at + shell::kSettingsRecordBytes > bytes.size())
            check(values[n] == 0);
        else
            check(written[at] == bytes[at] && written[at + 1] == bytes[at + 1]);
    }
    return 0;
}
