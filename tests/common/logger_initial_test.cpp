// Runs in a process that never configured the logger.
#include <gtest/gtest.h>

#include "log.h"
#include "logger_fixture.h"

namespace {

class LoggerBeforeInitializeTest : public nimbra_test::SandboxTest {};

TEST_F(LoggerBeforeInitializeTest, WarningsGoToStandardErrorWithAStamp) {
    nimbra_test::FdCapture err(2, path("stderr.txt"));
    nimbra_test::FdCapture out(1, path("stdout.txt"));
    Logger::LogMsg(Logger::L_WARNING, ustring("service_debug"), "[WARNING] a(%d): early\n", 7);
    Logger::LogMsg(Logger::L_INFO, ustring("service_debug"), "[INFO] a(%d): dropped\n", 8);
    std::string text = err.Finish();
    EXPECT_EQ(out.Finish(), "");
    EXPECT_TRUE(nimbra_test::HasStamp(text));
    EXPECT_EQ(text.substr(nimbra_test::kStampLength), "[WARNING] a(7): early\n");
}

}  // namespace
