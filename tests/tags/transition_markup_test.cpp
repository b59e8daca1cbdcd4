#include "tags/transition_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(TransitionMarkup, MetaTagWithTheFiltersNumber)
{
    const MarkupOutcome outcome = transitionMarkup({"Page-Exit", "2", "Wipe Left"});
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome.insertion->mode, InsertMode::Line);
    EXPECT_EQ(outcome.insertion->texts,
              QStringList{"<meta http-equiv=\"Page-Exit\" content=\"revealTrans(Duration=2.0,Transition=7)\">"});
    EXPECT_EQ(transitionMarkup({"Site-Enter", "", "Random"}).insertion->texts,
              QStringList{"<meta http-equiv=\"Site-Enter\" content=\"revealTrans(Duration=.0,Transition=23)\">"});
}

TEST(TransitionMarkup, EveryTypeHasItsFilterNumber)
{
    const struct {
        const char *type;
        int number;
    } cases[] = {
        {"Box In", 0},           {"Box Out", 1},               {"Circle In", 2},
        {"Circle Out", 3},       {"Wipe Up", 4},               {"Wipe Down", 5},
        {"Wipe Right", 6},       {"Wipe Left", 7},             {"Vertical Blinds", 8},
        {"Horizontal Blinds", 9}, {"Checkerboard Across", 10}, {"Checkerboard Down", 11},
        {"Split Vertical In", 13}, {"Split Vertical Out", 14}, {"Split Horizontal In", 15},
        {"Split Horizontal Out", 16}, {"Strips Left Down", 17}, {"Strips Left Up", 18},
        {"Strips Right Down", 19}, {"Strips Right Up", 20},   {"Random Bars Horizontal", 21},
        {"Random Bars Vertical", 22}, {"Random", 23},
    };
    ASSERT_EQ(transitionTypes().size(), qsizetype(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(transitionTypes().at(qsizetype(i)), QLatin1String(cases[i].type)); // the list's order
        EXPECT_EQ(transitionNumber(QLatin1String(cases[i].type)), cases[i].number) << cases[i].type;
    }
}

TEST(TransitionMarkup, NoTypeIsRefused)
{
    for (const char *type : {"", "Fade"}) {
        const MarkupOutcome outcome = transitionMarkup({"Page-Enter", "1", type});
        EXPECT_TRUE(outcome.refused()) << type;
        EXPECT_EQ(outcome.messages,
                  (QList<DialogMessage>{{DialogMessage::Kind::Error, QStringLiteral("Please select a transition type.")}}));
    }
}

} // namespace
