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
        {"SavedFileItself",
         {"/w/a.htm", false, "browse", false, "/tmp", "t1"},
         {"/w/a.htm", false, "browse", {"/w/a.htm"}}},
        {"ModifiedHiddenCopyBeside",
         {"/w/a.htm", true, "browse", false, "/tmp", "t1"},
         {"/w/.a.preview-t1.htm", true, "browse", {"/w/.a.preview-t1.htm"}}},
        {"CopyKeepsInnerDotsAndSuffix",
         {"/w/v1.2/page.old.HTML", true, "browse", false, "/tmp", "z"},
         {"/w/v1.2/.page.old.preview-z.HTML",
          true,
          "browse",
          {"/w/v1.2/.page.old.preview-z.HTML"}}},
        {"CopyOfNameWithoutSuffixIsHtml",
         {"/w/notes", true, "browse", false, "/tmp", "t1"},
         {"/w/.notes.preview-t1.htm", true, "browse", {"/w/.notes.preview-t1.htm"}}},
        {"UntitledInTempFolder",
         {NoName, false, "browse", false, "/tmp/x", "t2"},
         {"/tmp/x/pagewick-preview-t2.htm", true, "browse", {"/tmp/x/pagewick-preview-t2.htm"}}},
        {"NoBrowserIsSystemDefault",
         {"/w/a.htm", false, "", false, "/tmp", "t1"},
         {"/w/a.htm", false, "", {}}},
        {"BlankBrowserIsSystemDefault",
         {"/w/a.htm", false, "   ", false, "/tmp", "t1"},
         {"/w/a.htm", false, "", {}}},
        {"QuotedProgramWithArguments",
         {"/w/a.htm", false, "\"/opt/My Browser/run\" --private -x", false, "/tmp", "t1"},
         {"/w/a.htm", false, "/opt/My Browser/run", {"--private", "-x", "/w/a.htm"}}},
        {"LocatedProgramWithBlanksIsNotSplit",
         {"/w/a.htm", false, "/opt/My Browser/run", true, "/tmp", "t1"},
         {"/w/a.htm", false, "/opt/My Browser/run", {"/w/a.htm"}}},
        {"PathWithBlanksAndQuotesIsOneArgument",
         {"/w/my \"page\" 'x'.htm", false, "browse", false, "/tmp", "t1"},
         {"/w/my \"page\" 'x'.htm", false, "browse", {"/w/my \"page\" 'x'.htm"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PreviewPlan plan = previewPlan(c.input);
        EXPECT_EQ(plan.shownFile, c.expected.shownFile);
        EXPECT_EQ(plan.writeCopy, c.expected.writeCopy);
        EXPECT_EQ(plan.program, c.expected.program);
        EXPECT_EQ(plan.arguments, c.expected.arguments);
    }
}

} // namespace
