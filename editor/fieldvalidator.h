// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/rules.h"

#include <QValidator>
#include <functional>

namespace editor {

// Refuses, key by key or paste by paste, every character the field cannot hold in the file, and
// says why through the callback.
class FieldValidator : public QValidator {
public:
    FieldValidator(vocabulary::FieldKind kind, std::function<void(const QString &)> onRefused, QObject *parent = nullptr)
        : QValidator(parent), kind_(kind), onRefused_(std::move(onRefused))
    {
    }

    State validate(QString &input, int &) const override
    {
        const auto refusal = vocabulary::firstRefused(input, kind_);
        if (!refusal)
            return Acceptable;
        if (onRefused_)
            onRefused_(refusal->reason);
        return Invalid;
    }

private:
    vocabulary::FieldKind kind_;
    std::function<void(const QString &)> onRefused_;
};

}  // namespace editor
