#include <gtest/gtest.h>

#include "Vantrel/Drawing/DrawOptions.h"

TEST(DrawOptions, ClassesBeyondTheSetsReadTheDefaultWithoutGrowing)
{
    DrawOptions options;
    EXPECT_TRUE(options.GetDraw(4000000000u));
    options.SetDraw(3, false);
    EXPECT_FALSE(options.GetDraw(3));
    EXPECT_TRUE(options.GetDraw(2));
    EXPECT_TRUE(options.GetDraw(4));
    options.SetAllDraw(false);
    EXPECT_FALSE(options.GetDraw(2));
    EXPECT_FALSE(options.GetDraw(99));
    options.SetDraw(99, true);
    EXPECT_TRUE(options.GetDraw(99));
    EXPECT_FALSE(options.GetDraw(50));
    // The texture set is apart from the draw set.
    EXPECT_TRUE(options.GetTexture(3));
    options.SetAllTexture(false);
    EXPECT_FALSE(options.GetTexture(3));
    options.SetTexture(3, true);
    EXPECT_TRUE(options.GetTexture(3));
    EXPECT_FALSE(options.GetTexture(4));
}

#include "Vantrel/Drawing/DrawingReport.h"

TEST(DrawingReport, KeepsEachTextOnceInTheOrderFirstMet)
{
    DrawingReport report;
    EXPECT_TRUE(report.IsEmpty());
    EXPECT_TRUE(report.Add("b"));
    EXPECT_TRUE(report.Add("a"));
    EXPECT_FALSE(report.Add("b"));
    EXPECT_EQ(report.GetMessages(), (std::vector<std::string>{"b", "a"}));
    report.Clear();
    EXPECT_TRUE(report.IsEmpty());
}
