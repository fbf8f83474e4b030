#include "app/ElapsedText.h"

#include <gtest/gtest.h>

TEST(FormatElapsed, MinutesAndSecondsBelowAnHourThenHours)
{
    EXPECT_EQ(FormatElapsed(0), "00m00s");
    EXPECT_EQ(FormatElapsed(75), "01m15s");
    EXPECT_EQ(FormatElapsed(3599), "59m59s");
    EXPECT_EQ(FormatElapsed(3600), "01h00m00s");
    EXPECT_EQ(FormatElapsed(3725), "01h02m05s");
    EXPECT_EQ(FormatElapsed(360000), "100h00m00s");
    EXPECT_EQ(FormatElapsed(2147483647), "596523h14m07s");
}
