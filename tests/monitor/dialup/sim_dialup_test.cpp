#include "log_capture.h"
#include "temp_dir.h"

#include "monitor/dialup/sim_dialup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace zrt {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SimDialUpTest : public ::testing::Test {
protected:
    void write(const char* fileName, std::string_view content)
    {
        std::ofstream(folder.path() / fileName, std::ios::binary) << content;
    }

    std::filesystem::path connectedFile() const { return folder.path() / "connected"; }

    TempDir folder;
    SimDialUp dialUp{folder.path()};
};

TEST_F(SimDialUpTest, EveryCallReadsTheEntriesAndConnectedFilesAfresh)
{
    EXPECT_THAT(dialUp.FillDialUpEntries(), IsEmpty());
    EXPECT_FALSE(dialUp.IsDialUpActive());

    write("entries", "provider\r\n\nMy ISP\n \t \r\n Spaced \nlast");
    EXPECT_THAT(dialUp.FillDialUpEntries(), ElementsAre("provider", "My ISP", " Spaced ", "last"));

    write("connected", "My ISP\r\n");
    EXPECT_TRUE(dialUp.IsDialUpActive());
    EXPECT_TRUE(dialUp.IsEntryConnected("My ISP"));
    EXPECT_FALSE(dialUp.IsEntryConnected("my isp"));
    EXPECT_FALSE(dialUp.IsEntryConnected("provider"));

    write("connected", "\n");
    EXPECT_FALSE(dialUp.IsDialUpActive());
}

TEST_F(SimDialUpTest, HangUpCreatesNoConnectedFileAndLogsOneItCannotEmpty)
{
    LogCapture log;
    dialUp.HangUpAll();
    EXPECT_FALSE(std::filesystem::exists(connectedFile()));

    std::filesystem::create_directory(connectedFile());
    dialUp.HangUpAll();
    EXPECT_EQ(log.lines().size(), 1U);
}

} // namespace
} // namespace zrt
