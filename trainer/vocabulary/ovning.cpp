// SPDX-License-Identifier: GPL-3.0-or-later
#include "ovning.h"

#include "platform/desktop.h"

namespace vocabulary {

Ovning::Ovning(std::uint32_t seed) : random_(seed) {}

void Ovning::take(Glosor glosor)
{
    glosor_ = std::move(glosor);
    summabet_ = glosor_.summabet();
    newDrill();
    // Nothing of the old vocabulary may be checked or revealed against the new one.
    ordnr_ = 0;
    betnr_ = 0;
    questionOnShow_ = false;
}

bool Ovning::hasUnasked() const
{
    for (const ordpost &post : glosor_.ordlista) {
        for (int j = 0; j < post.antalbet; ++j) {
            if (!post.fragad[j])
                return true;
        }
    }
    return false;
}

bool Ovning::nasta()
{
    if (!hasUnasked())
        return false;
    std::uniform_int_distribution<int> pickWord(1, antalord());
    for (;;) {
        const int i = pickWord(random_);
        const ordpost &post = glosor_.ordlista[i - 1];
        if (post.antalbet == 0)
            continue;  // a word without meanings is never asked
        const int j = std::uniform_int_distribution<int>(1, post.antalbet)(random_);
        if (post.fragad[j - 1])
            continue;
        ordnr_ = i;
        betnr_ = j;
        break;
    }
    glosor_.ordlista[ordnr_ - 1].fragad[betnr_ - 1] = true;
    ++antalfragor_;
    questionOnShow_ = true;
    return true;
}

QString Ovning::prompt() const
{
    return ordnr_ == 0 ? QString() : post(ordnr_).bet[betnr_ - 1];
}

QString Ovning::answer() const
{
    return ordnr_ == 0 ? QString() : platform::trimSpaces(post(ordnr_).ord);
}

bool Ovning::isRight(const QString &typed) const
{
    return platform::trimSpaces(typed) == answer();
}

void Ovning::count(bool right)
{
    ++(right ? antalratt_ : antalfel_);
}

void Ovning::uncount(bool right)
{
    --(right ? antalratt_ : antalfel_);
}

void Ovning::markMissed()
{
    glosor_.ordlista[ordnr_ - 1].fel[betnr_ - 1] = true;
}

void Ovning::newDrill()
{
    for (ordpost &post : glosor_.ordlista) {
        post.fragad.fill(false);
        post.fel.fill(false);
    }
    antalratt_ = 0;
    antalfel_ = 0;
    antalfragor_ = 0;
}

}  // namespace vocabulary
