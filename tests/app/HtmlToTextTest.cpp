#include <gtest/gtest.h>

#include <string>

#include "app/HtmlToText.h"

namespace vantrel {
namespace {

struct Case {
    const char* what;
    const char* html;
    const char* text;
};

const Case kCases[] = {
    {"head, title and style go; blocks are parted by an empty line",
     "<html><head><title>T</title><style>p{}</style></head><body><h1>Head</h1><p>One</p><p>Two</p></body></html>",
     "Head\n\nOne\n\nTwo"},
    {"white space runs become one blank, none at a line's start or end",
     "<p>  One \n\t two  </p>\n<p>\n three</p>", "One two\n\nthree"},
    {"list items on lines of their own, line breaks kept", "<ul><li>a</li><li>b<br>c</li></ul>", "- a\n- b\nc"},
    {"table rows on lines, cells parted by a blank", "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>",
     "a b\nc"},
    {"named and numeric references", "&amp; &lt;3&gt; &quot;q&quot; &apos;&#65;&#x42;&nbsp;x", "& <3> \"q\" 'AB x"},
    {"references beyond ASCII come out as UTF-8", "&#233;&#x20AC;&#x1F600;", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
    {"unknown or broken references stay as written", "plain &unknown; &#xZZ; &#0; a & b",
     "plain &unknown; &#xZZ; &#0; a & b"},
    {"upper-case tags and attributes", "<P CLASS=\"x\">One</P><SCRIPT>var a = 1 < 2;</SCRIPT><H2 id=b>Two</H2>",
     "One\n\nTwo"},
    {"text already UTF-8 passes through", "<p>caf\xC3\xA9</p>", "caf\xC3\xA9"},
    {"an unclosed tag ends the text", "<p>One</p><a href=", "One"},
    {"nothing", "", ""},
};

TEST(HtmlToTextTest, Cases) {
    for (const Case& c : kCases) EXPECT_EQ(HtmlToText(c.html), c.text) << c.what;
}

}  // namespace
}  // namespace vantrel
