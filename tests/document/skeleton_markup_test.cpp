#include "document/skeleton_markup.h"

#include <gtest/gtest.h>

namespace {

// Values go in as they are: neither quoted nor taken for placeholders.
TEST(SkeletonMarkup, WritesTheEighteenLinesExactly)
{
    const QStringList lines =
        skeletonLines("Ann \"%2\" Lee", "ann%1@example.org", "06.12.26", "19:05:01");
    const QStringList expected = {
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\">",
        "<!-- Document created : 06.12.26, 19:05:01 -->",
        "<HTML>",
        "  <HEAD>",
        "    <TITLE>enter the document title here</TITLE>",
        "    <META NAME=\"Author\" CONTENT=\"Ann \"%2\" Lee\">",
        "    <META NAME=\"DESCRIPTION\" CONTENT=\"enter the document description here\">",
        "  </HEAD>",
        "  <BODY>",
        "    <H1>enter the main heading here</H1>",
        "    <HR>",
        "    <HR>",
        "    <CENTER><FONT SIZE=2>",
        "      This page was created with <A HREF=\"http://www.corvane.com/\">Corvane's "
        "Pagewick</A>.<BR>",
        "      Page (C) by <A HREF=\"mailto:ann%1@example.org\">Ann \"%2\" Lee</A>.",
        "    </FONT></CENTER>",
        "  </BODY>",
        "</HTML>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(SkeletonMarkup, RegionalTimeHasNoTimeZone)
{
    const QDateTime when(QDate(2026, 12, 6), QTime(19, 5, 1));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(regionalTime(when, german), "19:05:01");
    EXPECT_EQ(regionalDate(when, german), "06.12.26");
    const QString us = regionalTime(when, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.startsWith("7:05:01")) << us.toStdString();
    EXPECT_FALSE(us.contains("UTC")) << us.toStdString();
}

} // namespace
