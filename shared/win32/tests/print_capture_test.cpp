// The Linux tools that read back what a test printed, run from under Wine: every argument
// arrives as given, and the exit code and errors come back.
#include "testing/win/print_capture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "testing/win/unix_tool.h"

namespace papyrka::test {
namespace {

TEST(UnixTool, PassesEveryArgumentThroughUnchangedAndReportsExitCodeAndErrors) {
    std::vector<std::string> command = {"/usr/bin/printf", "[%s]\\n"};
    std::string expected;
    for (const char* argument : {"two words", "", "quote\"inside", "it's", "ends with backslash\\", "$HOME `x` *",
                                 "tab\there", "žltý kôň"}) {
        command.push_back(argument);
        expected += "[" + std::string(argument) + "]\n";
    }
    const ToolResult echoed = RunUnixTool(command);
    EXPECT_EQ(echoed.exitCode, 0) << echoed.err;
    EXPECT_EQ(echoed.out, expected);

    const ToolResult failed = RunUnixTool({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"});
    EXPECT_EQ((std::vector{failed.out, failed.err}), (std::vector<std::string>{"out\n", "err\n"}));
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_THROW(PdfText(L"C:\\no such file.pdf"), std::runtime_error);
}

}  // namespace
}  // namespace papyrka::test
