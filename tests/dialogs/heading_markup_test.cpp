#include "dialogs/heading_markup.h"

#include <gtest/gtest.h>

TEST(HeadingMarkup, LevelIsTheSizeBoxsFirstCharacterAndTheTextGoesBetweenTheTags)
{
    const struct {
        HeadingValues values;
        const char *line;
    } rows[] = {
        {{"1", ""}, "<H1></H1>"},
        {{"3", "Welcome"}, "<H3>Welcome</H3>"},
        {{"6", " a <B>b</B> "}, "<H6> a <B>b</B> </H6>"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(headingLine(row.values), row.line) << row.line;
}
