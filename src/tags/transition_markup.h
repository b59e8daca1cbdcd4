#pragma once
// "Page Transitions Control": a meta tag that asks Internet Explorer for a
// reveal transition when the page or site is entered or left.

#include "tags/markup_outcome.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The transition types as the "Type:" list shows them, in the order of
// their filter numbers ("Box In" is 0, "Random" is 23).
const QStringList &transitionTypes();

inline constexpr char NoTransitionMessage[] = "Please select a transition type.";

struct TransitionFields {
    QString event; // "Page-Enter", ... as typed
    QString time;  // "Time (secs):" as typed
    QString type;  // one of transitionTypes(); empty when none is chosen
};

// The filter number of a transition type; -1 for none or an unknown one.
int transitionNumber(const QString &type);

// `<meta http-equiv="` event `" content="revealTrans(Duration=` time
// `.0,Transition=` number `)">` below the caret line; refused with
// NoTransitionMessage when no type is chosen.
MarkupOutcome transitionMarkup(const TransitionFields &fields);

} // namespace tagloom
