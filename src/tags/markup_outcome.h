#pragma once
// What a tag dialog's OK turns its fields into: the messages to show first,
// in order and each after a beep, then either the text to insert or nothing
// at all (a refusal: the dialog stays open with its fields as they are).
// Generators only compute this; the dialog shows the messages.

#include "document/insertion.h"

#include <QList>
#include <QString>
#include <optional>

namespace tagloom {

// One message box with a single OK button.
struct DialogMessage {
    enum class Kind { Warning, Error };
    Kind kind = Kind::Error;
    QString text;

    bool operator==(const DialogMessage &other) const { return kind == other.kind && text == other.text; }
};

struct MarkupOutcome {
    QList<DialogMessage> messages;
    std::optional<Insertion> insertion; // empty: refused, nothing is inserted

    bool refused() const { return !insertion.has_value(); }

    static MarkupOutcome inserting(Insertion insertion, QList<DialogMessage> messages = {})
    {
        return {std::move(messages), std::move(insertion)};
    }
    static MarkupOutcome refusing(const QString &error) { return {{{DialogMessage::Kind::Error, error}}, std::nullopt}; }
};

} // namespace tagloom
