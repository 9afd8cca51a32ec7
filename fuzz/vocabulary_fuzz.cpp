// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary reader on any bytes: it either refuses the file or gives a vocabulary within its
// bounds, and a drill over that vocabulary always ends, asking every meaning exactly once.
#include "vocabfile/glosor.h"
#include "trainer/vocabulary/ovning.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const vocabulary::LoadResult result = vocabulary::parseVocabulary(vocabulary::decodeVocabulary(bytes));
    if (!result.glosor) {
        check(result.error != vocabulary::LoadError::None);
        return 0;
    }
    const vocabulary::Glosor &glosor = *result.glosor;
    check(glosor.antalord() <= vocabulary::kMaxWords);
    int sum = 0;
    for (const vocabulary::ordpost &post : glosor.ordlista) {
        check(post.antalbet >= 0 && post.antalbet <= vocabulary::kMaxMeanings);
        sum += post.antalbet;
    }
    check(glosor.summabet() == sum);

    vocabulary::Ovning ovning(static_cast<std::uint32_t>(size));
    ovning.take(glosor);
    check(ovning.summabet() == sum);
    int asked = 0;
    while (!ovning.drillEnded()) {
        check(ovning.nasta());
        check(ovning.post(ovning.ordnr()).antalbet >= ovning.betnr());
        ovning.count(ovning.isRight(ovning.answer()));
        ovning.finishQuestion();
        check(++asked <= sum);
    }
    check(asked == sum);
    check(!ovning.nasta());
    return 0;
}
