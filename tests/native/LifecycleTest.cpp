#include <gtest/gtest.h>

#include "common/Lifecycle.h"

namespace {

int runs = 0;
void countRun() { ++runs; }

TEST(ExitRoutine, RunsOnceAtMostAndNotAfterCancel) {
    runs = 0;
    registerExitRoutine(countRun);
    runExitRoutine();
    runExitRoutine();
    EXPECT_EQ(runs, 1);

    runs = 0;
    registerExitRoutine(countRun);
    cancelExitRoutine();  // what a fatal report does
    runExitRoutine();
    EXPECT_EQ(runs, 0);
}

TEST(ReportScope, MarksAReportOpenUntilTheLastOneCloses) {
    EXPECT_FALSE(reportIsOpen());
    {
        ReportScope outer;
        EXPECT_TRUE(reportIsOpen());
        {
            ReportScope inner;
            EXPECT_TRUE(reportIsOpen());
        }
        EXPECT_TRUE(reportIsOpen());
    }
    EXPECT_FALSE(reportIsOpen());
}

}  // namespace
