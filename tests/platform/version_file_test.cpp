#include "platform/version_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace kv {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class VersionFile : public ::testing::Test {
protected:
    VersionTable Load(const QByteArray& contents) {
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        return LoadVersionTable(path_);
    }

    QTemporaryDir folder_;
    QString path_ = folder_.filePath(QStringLiteral("Version.ini"));
};

TEST_F(VersionFile, ReadsAllThreeSections) {
    const VersionTable table = Load(
        "[Version]\nCurrentVersion=V100\nSoftVersionCount=2\nFirmVersionCount=2\n"
        "[Soft]\nVersion0=V100\nVersion1=V090\n"
        "[Firm]\nFirm1=V090-V101\nFirm0=V100-V100\n");
    EXPECT_EQ(table.CurrentVersion, "V100");
    EXPECT_EQ(table.SoftVersions, (std::vector<std::string>{"V100", "V090"}));
    EXPECT_EQ(table.Pairs, (Pairs{{"V100", "V100"}, {"V090", "V101"}})) << "in key order";
    EXPECT_TRUE(IsCompatibleVersion(table, "V100", "V100"));
}

TEST_F(VersionFile, ValuesAreCutAtNulAnd511CharactersAndTrimmed) {
    QByteArray ini = "[Version]\nFirmVersionCount=4\n[Firm]\n";
    ini += "Firm0=\"  V100-V101  \"\n";
    ini += QByteArray("Firm1=V100-V102\0V999\n", 21);
    ini += "Firm2=V100-" + QByteArray(506, 'x') + "V103\n";
    ini += "Firm3=V100,V104\n";
    const VersionTable table = Load(ini);
    EXPECT_EQ(table.Pairs,
              (Pairs{{"V100", "V101"}, {"V100", "V102"}, {"V100", "xxxx"}, {"V100", "V104"}}));
}

TEST_F(VersionFile, PairsKeepTheirCase) {
    const VersionTable table = Load("[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=v100-v101\n");
    EXPECT_FALSE(IsCompatibleVersion(table, "V100", "V101"));
    EXPECT_TRUE(IsCompatibleVersion(table, "v100", "v101"));
}

TEST_F(VersionFile, DamagedFilesGiveAnEmptyList) {
    const char* const damaged[] = {
        "",
        "not an ini file at all \x01\x02",
        "[Firm]\nFirm0=V100-V100\n",
        "[Version]\nFirmVersionCount=abc\n[Firm]\nFirm0=V100-V100\n",
        "[Version]\nFirmVersionCount=0\n[Firm]\nFirm0=V100-V100\n",
        "[Version]\nFirmVersionCount=-1\n[Firm]\nFirm0=V100-V100\n",
        "[Version]\nFirmVersionCount=1\n",
    };
    for (const char* contents : damaged) EXPECT_TRUE(Load(contents).Pairs.empty()) << contents;
    EXPECT_TRUE(LoadVersionTable(folder_.filePath(QStringLiteral("missing.ini"))).Pairs.empty());
    EXPECT_TRUE(LoadVersionTable(folder_.path()).Pairs.empty()) << "a folder is no file";
}

TEST_F(VersionFile, OnlyKeysWithinTheCountAreRead) {
    const VersionTable table = Load(
        "[Version]\nFirmVersionCount=2000000000\nSoftVersionCount=1\n"
        "[Soft]\nVersion0=V100\nVersion1=V090\n"
        "[Firm]\nFirm0=V100-V100\nFirm01=V100-V101\nFirm3=V100-V103\nFirmX=V100-V104\n");
    EXPECT_EQ(table.SoftVersions, (std::vector<std::string>{"V100"}));
    EXPECT_EQ(table.Pairs, (Pairs{{"V100", "V100"}, {"V100", "V103"}}));
}

TEST(VersionFilePath, IsBesideTheProgramFolder) {
    EXPECT_EQ(VersionFilePathFor(QStringLiteral("/opt/kv/KV7700")),
              QStringLiteral("/opt/kv/Version.ini"));
    EXPECT_EQ(VersionFilePathFor(QStringLiteral("/opt/kv/stage/KV7700/")),
              QStringLiteral("/opt/kv/stage/Version.ini"));
}

}  // namespace
}  // namespace kv
