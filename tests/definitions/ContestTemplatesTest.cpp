// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ContestTemplates.h"

#include <gtest/gtest.h>

using namespace quillog;

namespace
{

std::vector<ContestTemplate> parsed(std::string_view text)
{
    std::vector<ContestTemplate> templates { genericContestTemplate() };
    parseContestTemplates(text, templates);
    return templates;
}

} // namespace

TEST(ContestTemplates, ReadBlocksInOrderAfterTheGenericOne)
{
    const auto templates
        = parsed("<contest>\r\n<name>CQ-WW-CW</name>\r\n<content>MY_CALL;RST_SENT;CQZ</content>\r\n"
                 "</contest>\r\n<contest><name> ARRL-FD </name><content> MY_CALL;CLASS "
                 "</content></contest>\r\n");
    ASSERT_EQ(templates.size(), 3u);
    EXPECT_EQ(templates[0], genericContestTemplate());
    EXPECT_EQ(templates[1], (ContestTemplate { "CQ-WW-CW", "MY_CALL;RST_SENT;CQZ" }));
    EXPECT_EQ(templates[2], (ContestTemplate { "ARRL-FD", "MY_CALL;CLASS" }));
}

TEST(ContestTemplates, BlocksWithoutClosingTagsRunToTheEnd)
{
    struct Case {
        const char *text;
        std::vector<ContestTemplate> added;
    };
    const Case cases[] = {
        { "<contest><name>A</name><content>X;Y", { { "A", "X;Y" } } },
        { "<contest><name>A<content>X;Y</content>", { { "A<content>X;Y</content>", "X;Y" } } },
        { "<name>A</name><content>X</content>", { { "A", "X" } } },
        { "<contest><name>A</name><content>X</content></contest><contest><name>B</name><content>Y",
            { { "A", "X" }, { "B", "Y" } } },
        { "<contest><name>A</name></contest><contest><content>X</content></contest>", {} },
        { "<contest><name></name><content>X</content></contest>", {} },
        { "</contest></contest><contest>", {} },
        { "", {} },
    };
    for (const Case &c : cases) {
        auto expected = c.added;
        expected.insert(expected.begin(), genericContestTemplate());
        EXPECT_EQ(parsed(c.text), expected) << c.text;
    }
}

TEST(ContestTemplates, ALaterTemplateReplacesOneOfTheSameName)
{
    const auto templates = parsed("<contest><name>GENERIC-CONTEST</name><content>CALL</content></contest>"
                                  "<contest><name>A</name><content>X</content></contest>"
                                  "<contest><name>a</name><content>Y</content></contest>"
                                  "<contest><name>A</name><content>Z</content></contest>");
    const std::vector<ContestTemplate> expected { { "GENERIC-CONTEST", "CALL" }, { "a", "Y" }, { "A", "Z" } };
    EXPECT_EQ(templates, expected);
}

TEST(ContestTemplates, NamesAndFieldListsAreCutToTheirWidths)
{
    std::vector<ContestTemplate> templates;
    addContestTemplate(templates, std::string(40, 'N'), std::string(400, 'F'));
    ASSERT_EQ(templates.size(), 1u);
    EXPECT_EQ(templates[0].name, std::string(kContestNameWidth, 'N'));
    EXPECT_EQ(templates[0].fields, std::string(kContestFieldsWidth, 'F'));
}
