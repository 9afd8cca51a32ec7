// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/glosor.h"

#include <random>

namespace vocabulary {

// The drill over one vocabulary: every meaning of every word is asked once, in random order.
class Ovning {
public:
    explicit Ovning(std::uint32_t seed = std::random_device{}());

    // Takes over a freshly loaded vocabulary and starts a drill over it from nothing.
    void take(Glosor glosor);

    const Glosor &glosor() const { return glosor_; }
    const ordpost &post(int ordnr) const { return glosor_.ordlista.at(ordnr - 1); }
    int antalord() const { return glosor_.antalord(); }
    int summabet() const { return summabet_; }
    int antalfragor() const { return antalfragor_; }
    int ordnr() const { return ordnr_; }
    int betnr() const { return betnr_; }
    int antalratt() const { return antalratt_; }
    int antalfel() const { return antalfel_; }

    // A question has been drawn and not yet checked.
    bool questionOnShow() const { return questionOnShow_; }

    // True when some meaning has not been asked in this drill.
    bool hasUnasked() const;

    // Draws an unasked (word, meaning) pair: a word uniformly among all words, then a meaning
    // uniformly among its meanings, again until the pair is unasked. So a meaning of a one-meaning
    // word is four times as likely as each meaning of a four-meaning word. Returns false, drawing
    // nothing, when every pair has been asked.
    bool nasta();

    // The meaning on show.
    QString prompt() const;
    // The word the pupil must type, without surrounding spaces.
    QString answer() const;

    // Compares the typed text with the answer, both without surrounding spaces, exactly.
    bool isRight(const QString &typed) const;

    // Counts one answer to the question on show. A wrong answer marks the meaning as missed.
    void count(bool right);
    // Takes back a count whose check could not be finished, so the question can be checked again.
    void uncount(bool right);
    void markMissed();
    // Ends the question on show.
    void finishQuestion() { questionOnShow_ = false; }

    // Every pair has been asked: the drill is over.
    bool drillEnded() const { return antalfragor_ == summabet_; }

    // Clears every mark and count for a new pass over the same vocabulary.
    void newDrill();

private:
    Glosor glosor_;
    int summabet_ = 0;
    int antalfragor_ = 0;
    int ordnr_ = 0;
    int betnr_ = 0;
    int antalratt_ = 0;
    int antalfel_ = 0;
    bool questionOnShow_ = false;
    std::mt19937 random_;
};

}  // namespace vocabulary
