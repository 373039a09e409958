// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ContestTemplates.h"

#include "core/Text.h"

#include <algorithm>

namespace quillog
{

namespace
{

constexpr std::string_view contestOpen = "<contest>";
constexpr std::string_view contestClose = "</contest>";

// The text after the opening tag up to the closing tag, or to the end of the block without one; trimmed.
std::string_view elementText(std::string_view block, std::string_view open, std::string_view close)
{
    const std::size_t start = block.find(open);
    if (start == std::string_view::npos)
        return {};
    const std::string_view rest = block.substr(start + open.size());
    return trimmed(rest.substr(0, rest.find(close)));
}

void addBlock(std::vector<ContestTemplate> &templates, std::string_view block)
{
    addContestTemplate(
        templates, elementText(block, "<name>", "</name>"), elementText(block, "<content>", "</content>"));
}

} // namespace

ContestTemplate genericContestTemplate()
{
    return { "GENERIC-CONTEST",
        "MY_CALL:13;RST_SENT:3;STX (Sent serial):6;CALL:13;RST_RCVD:3;SRX (Received serial):6" };
}

void addContestTemplate(
    std::vector<ContestTemplate> &templates, std::string_view name, std::string_view fields)
{
    if (name.empty() || fields.empty())
        return;
    ContestTemplate added { std::string(name.substr(0, kContestNameWidth)),
        std::string(fields.substr(0, kContestFieldsWidth)) };
    std::erase_if(templates, [&](const ContestTemplate &t) { return t.name == added.name; });
    templates.push_back(std::move(added));
}

void parseContestTemplates(std::string_view text, std::vector<ContestTemplate> &templates)
{
    while (!text.empty()) {
        const std::size_t open = text.find(contestOpen);
        if (open == std::string_view::npos) {
            addBlock(templates, text);
            return;
        }
        const std::size_t close = text.find(contestClose);
        if (close != std::string_view::npos) {
            addBlock(templates, text.substr(0, close));
            text.remove_prefix(close + contestClose.size());
        } else {
            // An unclosed block runs to the end; the text after its tag is read once more on its own,
            // which finds the same template and replaces it.
            addBlock(templates, text);
            text.remove_prefix(open + contestOpen.size());
        }
    }
}

} // namespace quillog
