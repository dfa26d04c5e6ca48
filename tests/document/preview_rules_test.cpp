#include "document/file_names.h"
#include "document/preview_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewPlan, ChoosesTheShownFileTheCopyAndTheBrowserArguments)
{
    const struct {
        const char *name;
        PreviewInput input;
        PreviewPlan expected;
    } cases[] = {
        {"Saved",
         {"/w/a.htm", false, "b", false, "/t", "1"},
         {"/w/a.htm", false, "b", {"/w/a.htm"}}},
        {"Modified",
         {"/w/v1/p.o.HTML", true, "b", false, "/t", "1"},
         {"/w/v1/.p.o.HTML.preview-1.htm", true, "b", {"/w/v1/.p.o.HTML.preview-1.htm"}}},
        {"Untitled",
         {NoName, false, "b", false, "/t", "1"},
         {"/t/pagewick-preview-1.htm", true, "b", {"/t/pagewick-preview-1.htm"}}},
        {"BlankBrowser", {"/w/a.htm", false, "  ", false, "/t", "1"}, {"/w/a.htm", false, "", {}}},
        {"Quoted",
         {"/w/a.htm", false, "\"/My B\" -p -x", false, "/t", "1"},
         {"/w/a.htm", false, "/My B", {"-p", "-x", "/w/a.htm"}}},
        {"LocatedWithBlank",
         {"/w/a.htm", false, "/My B", true, "/t", "1"},
         {"/w/a.htm", false, "/My B", {"/w/a.htm"}}},
    };
    for (const auto &[name, input, expected] : cases) {
        SCOPED_TRACE(name);
        const PreviewPlan plan = previewPlan(input);
        EXPECT_EQ(plan.shownFile, expected.shownFile);
        EXPECT_EQ(plan.writeCopy, expected.writeCopy);
        EXPECT_EQ(plan.program, expected.program);
        EXPECT_EQ(plan.arguments, expected.arguments);
    }
}

} // namespace
