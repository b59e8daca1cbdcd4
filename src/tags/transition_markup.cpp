#include "tags/transition_markup.h"

namespace tagloom {

namespace {

struct TransitionType {
    const char *name;
    int number; // the reveal filter's own number; the list has no 12
};

const TransitionType transitionTable[] = {
    {"Box In", 0},
    {"Box Out", 1},
    {"Circle In", 2},
    {"Circle Out", 3},
    {"Wipe Up", 4},
    {"Wipe Down", 5},
    {"Wipe Right", 6},
    {"Wipe Left", 7},
    {"Vertical Blinds", 8},
    {"Horizontal Blinds", 9},
    {"Checkerboard Across", 10},
    {"Checkerboard Down", 11},
    {"Split Vertical In", 13},
    {"Split Vertical Out", 14},
    {"Split Horizontal In", 15},
    {"Split Horizontal Out", 16},
    {"Strips Left Down", 17},
    {"Strips Left Up", 18},
    {"Strips Right Down", 19},
    {"Strips Right Up", 20},
    {"Random Bars Horizontal", 21},
    {"Random Bars Vertical", 22},
    {"Random", 23},
};

} // namespace

const QStringList &transitionTypes()
{
    static const QStringList types = [] {
        QStringList names;
        for (const TransitionType &t : transitionTable)
            names.append(QLatin1String(t.name));
        return names;
    }();
    return types;
}

int transitionNumber(const QString &type)
{
    for (const TransitionType &t : transitionTable)
        if (type == QLatin1String(t.name))
            return t.number;
    return -1;
}

MarkupOutcome transitionMarkup(const TransitionFields &fields)
{
    const int number = transitionNumber(fields.type);
    if (number < 0)
        return MarkupOutcome::refusing(QString::fromLatin1(NoTransitionMessage));
    return MarkupOutcome::inserting(lineInsertion(QStringLiteral("<meta http-equiv=\"") + fields.event +
                                                  QStringLiteral("\" content=\"revealTrans(Duration=") + fields.time +
                                                  QStringLiteral(".0,Transition=") + QString::number(number) +
                                                  QStringLiteral(")\">")));
}

} // namespace tagloom
