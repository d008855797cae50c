// The recent files list: newest first, each file once, at most eight.
#include "app/recent_files.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using List = std::vector<std::string>;

struct AddCase {
    const char* name;
    List before;
    std::string added;
    List after;
};

void PrintTo(const AddCase& c, std::ostream* out) {
    *out << c.name;
}

const AddCase kAdds[] = {
    {"IntoEmpty", {}, "/a.dat", {"/a.dat"}},
    {"NewGoesFirst", {"/a.dat", "/b.img"}, "/c.dat", {"/c.dat", "/a.dat", "/b.img"}},
    {"KnownMovesFirst", {"/a.dat", "/b.img", "/c.dat"}, "/c.dat", {"/c.dat", "/a.dat", "/b.img"}},
    {"FirstStaysFirst", {"/a.dat", "/b.img"}, "/a.dat", {"/a.dat", "/b.img"}},
    {"NinthDropsOldest",
     {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
     "/9",
     {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
    {"KnownInFullList",
     {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
     "/8",
     {"/8", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
};

class RecentFilesAddTest : public ::testing::TestWithParam<AddCase> {};

TEST_P(RecentFilesAddTest, KeepsNewestFirst) {
    EXPECT_EQ(WithRecentFile(GetParam().before, GetParam().added), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Adds, RecentFilesAddTest, ::testing::ValuesIn(kAdds));

TEST(RecentFiles, RemoveKeyCaptionAndMessage) {
    EXPECT_EQ(WithoutRecentFile({"/a.dat", "/b.img", "/c.dat"}, "/b.img"),
              (List{"/a.dat", "/c.dat"}));
    EXPECT_EQ(WithoutRecentFile({"/a.dat"}, "/x.dat"), (List{"/a.dat"}));
    EXPECT_EQ(RecentFileKey(1), "File1");
    EXPECT_EQ(RecentFileKey(8), "File8");
    EXPECT_EQ(RecentFileCaption(3, "/home/u/r.dat"), "&3 /home/u/r.dat");
    const TextPair missing = RecentFileMissingText("/gone.dat");
    EXPECT_NE(missing.en.find("\"/gone.dat\" no longer exists"), std::string::npos);
    EXPECT_NE(missing.zh.find("“/gone.dat”已不存在"), std::string::npos);
}

}  // namespace
}  // namespace kv
