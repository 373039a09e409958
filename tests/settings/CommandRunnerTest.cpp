// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/CommandRunner.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace quillog;

TEST(RunInstalledProgram, RunsWhatIsInstalledAndReportsItsStatus)
{
    if (findInstalledProgram("sh").empty())
        GTEST_SKIP() << "no shell on PATH";
    EXPECT_TRUE(runInstalledProgram({ "sh", "-c", "exit 0" }));
    EXPECT_FALSE(runInstalledProgram({ "sh", "-c", "exit 3" }));
    EXPECT_FALSE(runInstalledProgram({ "quillog-no-such-program" }));
    EXPECT_FALSE(runInstalledProgram({}));
}

TEST(FindInstalledProgram, IgnoresEmptyPathEntries)
{
    const char *old = std::getenv("PATH");
    const std::string previous = old ? old : "";
    // An empty entry would mean the working folder, where the test binary itself lies.
    setenv("PATH", ":/nonexistent", 1);
    EXPECT_EQ(findInstalledProgram("test-settings"), "");
    setenv("PATH", previous.c_str(), 1);
    EXPECT_EQ(findInstalledProgram("/bin/sh"), "/bin/sh");
}
