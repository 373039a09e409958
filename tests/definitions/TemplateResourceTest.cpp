// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/TemplateResource.h"

#include "TestFiles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

using namespace quillog;
using quillog::test::TestFolder;

namespace
{

std::string container(std::string_view sections)
{
    return "QUILLOG-TEMPLATES 1\n" + std::string(sections) + "END\n";
}

} // namespace

TEST(TemplateResource, ReadsSectionsById)
{
    const auto resource = TemplateResource::fromBytes(container("SECTION 112 11\n160M\r\n80M\r\n\n"
                                                                "SECTION 109 0\n\n"));
    ASSERT_TRUE(resource.isLoaded());
    EXPECT_EQ(resource.section(112), "160M\r\n80M\r\n");
    EXPECT_EQ(resource.section(109), "");
    EXPECT_EQ(resource.section(114), std::nullopt);
}

TEST(TemplateResource, SectionTextEndsAtAZeroByte)
{
    const std::string bytes = container(std::string("SECTION 114 8\nCW\r\n\0SSB\n", 23));
    EXPECT_EQ(TemplateResource::fromBytes(bytes).section(114), "CW\r\n");
}

TEST(TemplateResource, DamagedFilesAreNotLoaded)
{
    struct Case {
        const char *what;
        std::string bytes;
    };
    const Case cases[] = {
        { "empty", "" },
        { "wrong header", "QUILLOG-TEMPLATES 2\nEND\n" },
        { "no end line", "QUILLOG-TEMPLATES 1\nSECTION 112 2\nAB\n" },
        { "length past the end", container("SECTION 112 9999999\nAB\n") },
        { "length too long to read", container("SECTION 112 18446744073709551617\nAB\n") },
        { "length one short", container("SECTION 112 1\nAB\n") },
        { "negative length", container("SECTION 112 -2\nAB\n") },
        { "missing length", container("SECTION 112\nAB\n") },
        { "junk after length", container("SECTION 112 2x\nAB\n") },
        { "unknown line", container("BAND 160M\n") },
        { "binary",
            std::string("\x7f"
                        "ELF\x02\x01\x01\0\0\0",
                10) },
    };
    for (const Case &c : cases)
        EXPECT_FALSE(TemplateResource::fromBytes(c.bytes).isLoaded()) << c.what;
}

TEST(TemplateResource, TellsAMissingFileFromAMissingSection)
{
    TestFolder folder;
    folder.write("Templates.dat", container("SECTION 112 5\n160M\n\n"));
    const SectionText found = readTemplateSection(folder.file("Templates.dat"), 112);
    EXPECT_EQ(found.status, SectionStatus::Found);
    EXPECT_EQ(found.text, "160M\n");
    EXPECT_EQ(readTemplateSection(folder.file("Templates.dat"), 114).status, SectionStatus::SectionMissing);
    EXPECT_EQ(readTemplateSection(folder.file("missing.dat"), 112).status, SectionStatus::FileMissing);
    EXPECT_EQ(readTemplateSection(folder.path(), 112).status, SectionStatus::FileMissing);
    folder.write("Broken.dat", "QUILLOG-TEMPLATES 1\nSECTION 112 500\n160M");
    EXPECT_EQ(readTemplateSection(folder.file("Broken.dat"), 112).status, SectionStatus::FileMissing);
}

TEST(ResourceLines, SplitAtEveryLineEndAndTrim)
{
    struct Case {
        const char *text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        { "160M\r\n80M\r\n", { "160M", "80M" } },
        { "160M\r\n80M", { "160M", "80M" } },
        { "160M\r\n\r\n80M\r\n", { "160M", "", "80M" } },
        { "  160M \t\r\n", { "160M" } },
        { "160M\n80M\n", { "160M", "80M" } },
        { "160M\r80M\r", { "160M", "80M" } },
        { "160M\r80M\r\n40M", { "160M", "80M", "40M" } },
        { "160M\n\r80M", { "160M", "", "80M" } },
        { "", {} },
        { "\r\n", { "" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseResourceLines(c.text), c.lines) << c.text;
}

TEST(AdifVersion, TakesTheFirstLineOrWhatFollowsItsColon)
{
    struct Case {
        const char *text, *version;
    };
    for (const Case c : { Case { "3.1.6\r\n", "3.1.6" }, { "3.1.6", "3.1.6" },
             { "ADIF: 3.1.4\r\nsecond: line\r\n", " 3.1.4" }, { "ADIF:3.1.5:beta\r\n", "3.1.5:beta" },
             { "3.1.6\nnext", "3.1.6" }, { "", "" } })
        EXPECT_EQ(parseAdifVersion(c.text), c.version) << c.text;
}

namespace
{

// Where a cut or a changed byte says most: every byte of the layout lines (the file's first line and
// each section's heading) and the bytes around them, and a spread of positions inside the sections.
// Every position would take minutes under the sanitizers for little more.
std::vector<std::size_t> probePositions(std::string_view shipped)
{
    std::vector<std::size_t> positions;
    for (std::size_t at = 0; at < shipped.size(); at += 89)
        positions.push_back(at);
    for (std::size_t line = 0; line < shipped.size();) {
        const std::size_t end = std::min(shipped.find('\n', line), shipped.size());
        if (line == 0 || shipped.substr(line).starts_with("SECTION ")) {
            for (std::size_t at = line >= 4 ? line - 4 : 0; at < std::min(end + 5, shipped.size()); ++at)
                positions.push_back(at);
        }
        line = end + 1;
    }
    return positions;
}

} // namespace

TEST(TemplateResource, CutOrAlteredShippedFileNeverReadsPastItsEnd)
{
    const std::string shipped = quillog::test::fileContents(quillog::test::shippedTemplates);
    ASSERT_TRUE(TemplateResource::fromBytes(shipped).isLoaded());
    for (const std::size_t at : probePositions(shipped)) {
        // Every cut short copy is refused: the end line is missing.
        EXPECT_FALSE(TemplateResource::fromBytes(std::string_view(shipped).substr(0, at)).isLoaded()) << at;
        // A changed byte either breaks the layout or only changes text; sections still parse.
        std::string altered = shipped;
        altered[at] = static_cast<char>(altered[at] ^ 0x5a);
        const auto resource = TemplateResource::fromBytes(altered);
        for (const int id : { 105, 109, 111, 112, 114, 115, 116 }) {
            if (const auto text = resource.section(id)) {
                EXPECT_LE(parseResourceLines(*text).size(), text->size() + 1);
            }
        }
    }
}
