// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/FilterSettings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

TEST(FilterSettings, TheDialogsTextReadsBackAsItWasWritten)
{
    FilterSettings settings;
    settings.useDate = settings.useCall = settings.useQslRcvd = true;
    settings.qslSent = "YN";
    settings.qslRcvd = "N";
    settings.continents = ";EU;OC;";
    settings.callsign = "DL";
    settings.dateFrom = 1709247600;
    settings.dateTo = 1711839600;
    settings.bands = ";20M;";
    const std::string text = filterText(settings);
    EXPECT_EQ(text,
        "<?xml version=\"1.0\"?>\r\n<filters>\r\n<usedate>Y</usedate>\r\n<usecall>Y</usecall>\r\n"
        "<useqslrcvd>Y</useqslrcvd>\r\n<qslsent>YN</qslsent>\r\n<qslrcvd>N</qslrcvd>\r\n"
        "<continents>;EU;OC;</continents>\r\n<callsign>DL</callsign>\r\n<datefrom>1709247600</datefrom>\r\n"
        "<dateto>1711839600</dateto>\r\n<bands>;20M;</bands>\r\n</filters>");
    const FilterSettings back = parseFilterText(text);
    EXPECT_TRUE(back.useDate && back.useCall && back.useQslRcvd);
    EXPECT_FALSE(back.useBand || back.useQslSent);
    EXPECT_EQ(back.qslSent, "YN");
    EXPECT_EQ(back.continents, ";EU;OC;");
    EXPECT_EQ(back.callsign, "DL");
    EXPECT_EQ(back.dateFrom, 1709247600);
    EXPECT_EQ(back.dateTo, 1711839600);
    EXPECT_EQ(back.bands, ";20M;");
    EXPECT_EQ(back.modes, std::nullopt);
}

TEST(FilterSettings, OddLinesAreReadWithoutHarm)
{
    const struct {
        const char *what;
        std::string text;
        long long dateFrom;
        bool useBand;
        std::string bands;
    } cases[] = {
        { "no closing tags, LF", "<useband>Y\n<bands>;20M;\n<datefrom>123", 123, true, ";20M;" },
        { "switch not exactly Y", "<useband>y</useband>\r\n", 0, false, "" },
        { "date out of range", "<datefrom>999999999999999999999999</datefrom>", 9223372036854775807LL, false,
            "" },
        { "binary", std::string("\0\xff<bands>\x01;40M;\0<", 17), 0, false, std::string("\x01;40M;\0", 7) },
        { "the last line wins", "<bands>;20M;</bands>\n<bands>;40M;</bands>", 0, false, ";40M;" },
        { "first tag of the line", "<usedate>Y<useband>Y</useband>", 0, false, "" },
    };
    for (const auto &c : cases) {
        const FilterSettings settings = parseFilterText(c.text);
        EXPECT_EQ(settings.dateFrom, c.dateFrom) << c.what;
        EXPECT_EQ(settings.useBand, c.useBand) << c.what;
        EXPECT_EQ(settings.bands.value_or(""), c.bands) << c.what;
    }
}

TEST(FilterFile, ChoosersReplaceTheirLineAndTheDialogKeepsTheirs)
{
    const fs::path folder = freshFolder("filter-file");
    const std::string path = filterFilePath(folder.string());
    std::string message;
    ASSERT_TRUE(writeFilterList(path, FilterList::Bands, { "20M", "", "40M" }, message)) << message;
    EXPECT_EQ(fileContents(path), "<bands>;20M;40M;</bands>\r\n</filters>");
    ASSERT_TRUE(writeFilterList(path, FilterList::Zones, { "5" }, message));
    ASSERT_TRUE(writeFilterList(path, FilterList::Bands, { "6M" }, message));
    EXPECT_EQ(fileContents(path), "<zones>;5;</zones>\r\n<bands>;6M;</bands>\r\n</filters>");

    FilterSettings dialog;
    dialog.useZone = true;
    dialog.bands = ";IGNORED;"; // the dialog writes the lists the choosers left in the file
    ASSERT_TRUE(writeFilterDialog(path, dialog, message));
    const FilterFile read = readFilterFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.settings.useZone);
    EXPECT_EQ(read.settings.bands, ";6M;");
    EXPECT_EQ(read.settings.zones, ";5;");
}

TEST(FilterFile, AMissingFileIsNoFilterAndAHugeOrUnwritableOneIsAnError)
{
    const fs::path folder = freshFolder("filter-file-bad");
    const FilterFile missing = readFilterFile((folder / "none.xml").string());
    EXPECT_TRUE(missing.ok);
    EXPECT_FALSE(missing.exists);
    EXPECT_FALSE(missing.settings.useDate);

    writeFile(folder / "huge.xml", std::string(maxFilterFileSize + 1, '<'));
    const FilterFile huge = readFilterFile((folder / "huge.xml").string());
    EXPECT_FALSE(huge.ok);
    EXPECT_NE(huge.message.find("too large"), std::string::npos);

    if (geteuid() == 0)
        return; // root writes into any folder
    const fs::path locked = folder / "locked";
    fs::create_directories(locked);
    writeFile(locked / "filters.xml", "<usedate>Y</usedate>");
    chmod(locked.c_str(), 0500);
    std::string message;
    FilterSettings settings;
    const bool written = writeFilterDialog(filterFilePath(locked.string()), settings, message);
    chmod(locked.c_str(), 0700);
    EXPECT_FALSE(written);
    EXPECT_NE(message.find("cannot write the filter file"), std::string::npos);
    EXPECT_EQ(fileContents(locked / "filters.xml"), "<usedate>Y</usedate>") << "the old file stays";
}

TEST(LocalDaySeconds, DayBoundsAndDatesTheClockCannotHold)
{
    const auto midnight = localDaySeconds(2024, 3, 31);
    const auto evening = localDaySeconds(2024, 3, 31, true);
    ASSERT_TRUE(midnight && evening);
    EXPECT_EQ(*evening - *midnight, 86399);
    EXPECT_EQ(localDateOf(*midnight)->day, 31);
    EXPECT_EQ(localDaySeconds(100000, 1, 1), std::nullopt);
    EXPECT_EQ(localDaySeconds(0, 1, 1), std::nullopt);
}
