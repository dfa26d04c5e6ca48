#include "auxiliary/upload_rules.h"

#include <gtest/gtest.h>

TEST(UploadRules, FolderThenOneSeparatorThenTheFile)
{
    const struct {
        const char *folder;
        const char *file;
        char separator;
        const char *path;
    } rows[] = {
        {"/home/ann", "a.htm", '/', "/home/ann/a.htm"},
        {"/", "a.htm", '/', "/a.htm"},
        {"C:\\Web", "b c.gif", '\\', "C:\\Web\\b c.gif"},
        {"C:\\", "b.gif", '\\', "C:\\b.gif"},
        {"C:/", "b.gif", '\\', "C:/\\b.gif"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(uploadPath(row.folder, row.file, QChar(row.separator)), row.path) << row.path;
}
