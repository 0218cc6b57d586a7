#pragma once

#include <string>
#include <string_view>

// Plain text from a simple HTML page, for a window that has no browser to show the page in: the
// head, styles and scripts dropped, every other tag dropped, blocks (headings, paragraphs, lists,
// tables, preformatted text) on lines of their own with an empty line between them, list items
// on lines starting "- ", runs of white space made one blank, and character references decoded.
// UTF-8 in and out; lines end in "\n", and the text neither starts nor ends with a line end.
namespace vantrel {

std::string HtmlToText(std::string_view html);

}  // namespace vantrel
