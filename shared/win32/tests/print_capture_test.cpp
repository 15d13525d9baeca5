// The helpers that read back what a test printed: Linux tools run from under Wine with
// their arguments intact, and the grey page images they hand back.
#include "testing/win/print_capture.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "testing/win/unix_tool.h"

namespace papyrka::test {
namespace {

TEST(UnixTool, PassesEveryArgumentThroughUnchangedAndReportsExitCodeAndErrors) {
    const std::vector<std::string> arguments = {
        "plain", "two words", "", "quote\"inside", "ends with backslash\\", "back\\\\slashes\\\" quote",
        "\\\\server\\share", "tab\there", "žltý kôň",
    };
    std::vector<std::string> command = {"/usr/bin/printf", "[%s]\\n"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::string expected;
    for (const std::string& argument : arguments) expected += "[" + argument + "]\n";
    const ToolResult echoed = RunUnixTool(command);
    EXPECT_EQ(echoed.exitCode, 0) << echoed.err;
    EXPECT_EQ(echoed.out, expected);

    const ToolResult failed = RunUnixTool({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"});
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.out, "out\n");
    EXPECT_EQ(failed.err, "err\n");
    EXPECT_THROW(PdfText(L"C:\\no such file.pdf"), std::runtime_error);
}

TEST(ParsePgm, AcceptsOnlyWholeGreyImages) {
    const std::string pixels("\x00\x7f\xff\x10\x20\x30", 6);
    const struct { const char* name; std::string bytes; bool ok; } cases[] = {
        {"comments and spaces", "P5 # made by hand\n3\t2 # size\n255\n" + pixels, true},
        {"pixels beyond the image are ignored", "P5\n3 2\n255\n" + pixels + "xyz", true},
        {"ASCII grey map", "P2\n3 2\n255\n" + pixels, false},
        {"short of pixels", "P5\n3 2\n255\n" + pixels.substr(0, 5), false},
        {"two bytes a pixel", "P5\n3 2\n65535\n" + pixels + pixels, false},
        {"zero width", "P5\n0 2\n255\n", false},
        {"no height", "P5\n3\n", false},
    };
    for (const auto& c : cases) {
        GrayImage image;
        EXPECT_EQ(ParsePgm(c.bytes, image), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ((std::array{image.width, image.height, int{image.at(1, 0)}, int{image.at(2, 1)}}),
                      (std::array{3, 2, 0x7f, 0x30})) << c.name;
        }
    }
    GrayImage scaled;
    ASSERT_TRUE(ParsePgm("P5 1 1 15 \x0f", scaled));
    EXPECT_EQ(scaled.at(0, 0), 255);
}

}  // namespace
}  // namespace papyrka::test
