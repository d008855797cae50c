// A companion file with bytes after the records its data file calls for: opening reports them
// and reads the pair as it would without them.
#include <gtest/gtest.h>

#include <fstream>

#include "files/data_file.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

using test::TempFolder;

TEST(CompanionFile, BytesAfterItsRecordsAreReportedOnOpening) {
    TempFolder folder;
    const std::string dat = folder.file("a.dat");
    auto saved = test::RandomDocument(4);
    ASSERT_TRUE(SaveDataFile(*saved, dat).ok());
    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    auto clean = std::make_unique<Document>();
    const FileResult whole = OpenDataFile(*clean, dat, table);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.Message.en.find("bytes after"), std::string::npos) << whole.Message.en;

    std::ofstream(folder.file("a.fre"), std::ios::binary | std::ios::app) << "extra";
    auto opened = std::make_unique<Document>();
    const FileResult result = OpenDataFile(*opened, dat, table);
    ASSERT_TRUE(result.ok());
    EXPECT_NE(result.Message.en.find(folder.file("a.fre") + " holds 5 bytes after the "),
              std::string::npos)
        << result.Message.en;
    EXPECT_NE(result.Message.zh.find("5 字节"), std::string::npos);
    EXPECT_TRUE(test::SameData(clean->Working, opened->Working))
        << "the extra bytes change nothing";
}

}  // namespace
}  // namespace kv
