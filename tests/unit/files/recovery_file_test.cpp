// The recovery file: a copy gives back the document it was taken of; a damaged copy or one of
// another version is refused as a whole.
#include "files/recovery_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "document_samples.h"

namespace kv {
namespace {

// The layout's fixed head, as the file format has it: the mark, the layout number, then the
// length and text of the program version.
constexpr std::size_t kMarkSize = 16;
constexpr std::size_t kLayoutAt = kMarkSize;
constexpr std::size_t kVersionAt = kLayoutAt + 4;  // its length, then its four characters

// CRC-32 (the zlib polynomial), bit by bit: kept apart from the table-driven one it checks.
std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

// Writes a correct checksum after a change, so that only the change is judged.
void Reseal(std::vector<std::uint8_t>& bytes) {
    const std::uint32_t crc = Crc32(bytes, bytes.size() - 4);
    for (int i = 0; i < 4; ++i)
        bytes[bytes.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

std::unique_ptr<RecoveryContent> SampleContent() {
    auto content = std::make_unique<RecoveryContent>();
    content->Working = test::RandomDocument(7)->Working;
    content->Staged = test::RandomDocument(8)->Working;
    content->DocumentName = "/home/user/radios/商用 mobile.dat";
    content->DocumentUntitled = false;
    content->BandRangeText = "26.965-27.405";
    content->TakenAt = "2026-12-11 07:31:02";
    return content;
}

TEST(RecoveryFile, GivesBackTheDocumentItWasTakenOf) {
    const auto content = SampleContent();
    const auto bytes = EncodeRecovery(*content);
    const DecodedRecovery decoded = DecodeRecovery(bytes);
    ASSERT_EQ(decoded.Problem, RecoveryProblem::None);
    ASSERT_NE(decoded.Content, nullptr);
    EXPECT_EQ(decoded.Version, "V100");
    EXPECT_EQ(decoded.Content->DocumentName, content->DocumentName);
    EXPECT_FALSE(decoded.Content->DocumentUntitled);
    EXPECT_EQ(decoded.Content->BandRangeText, content->BandRangeText);
    EXPECT_EQ(decoded.Content->TakenAt, content->TakenAt);
    test::ExpectSamePairData(content->Working, decoded.Content->Working);
    test::ExpectSamePairData(content->Staged, decoded.Content->Staged);

    content->DocumentUntitled = true;
    EXPECT_TRUE(DecodeRecovery(EncodeRecovery(*content)).Content->DocumentUntitled);
}

TEST(RecoveryFile, DamagedOrForeignCopiesAreRefusedWhole) {
    const auto good = EncodeRecovery(*SampleContent());
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> change;
        RecoveryProblem expected;
    };
    const Case cases[] = {
        {"empty", [](auto& b) { b.clear(); }, RecoveryProblem::Damaged},
        {"cut in the head", [](auto& b) { b.resize(20); }, RecoveryProblem::Damaged},
        {"cut in the data", [](auto& b) { b.resize(b.size() / 2); }, RecoveryProblem::Damaged},
        {"last byte missing", [](auto& b) { b.pop_back(); }, RecoveryProblem::Damaged},
        {"one byte flipped", [](auto& b) { b[b.size() / 3] ^= 0x10; }, RecoveryProblem::Damaged},
        {"a data file, not a copy", [](auto& b) { std::memcpy(b.data(), "V100", 4); },
         RecoveryProblem::Damaged},
        {"trailing bytes, resealed",
         [](auto& b) {
             b.insert(b.end() - 4, {1, 2, 3});
             Reseal(b);
         },
         RecoveryProblem::Damaged},
        {"field length past the end, resealed",
         [](auto& b) {
             // The name field's length follows the version field.
             b[kVersionAt + 8 + 3] = 0x7F;
             Reseal(b);
         },
         RecoveryProblem::Damaged},
        {"another program version, resealed",
         [](auto& b) {
             std::memcpy(&b[kVersionAt + 4], "V090", 4);
             Reseal(b);
         },
         RecoveryProblem::OtherVersion},
        {"version unreadable, resealed",
         [](auto& b) {
             b[kVersionAt + 4 + 2] = 0x01;
             Reseal(b);
         },
         RecoveryProblem::Damaged},
        {"another version, seal not checked",
         [](auto& b) { std::memcpy(&b[kVersionAt + 4], "V090", 4); },
         RecoveryProblem::OtherVersion},
        {"another layout, resealed",
         [](auto& b) {
             b[kLayoutAt] = 2;
             Reseal(b);
         },
         RecoveryProblem::OtherVersion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = good;
        c.change(bytes);
        const DecodedRecovery decoded = DecodeRecovery(bytes);
        EXPECT_EQ(decoded.Problem, c.expected);
        EXPECT_EQ(decoded.Content, nullptr);
    }
    EXPECT_EQ(DecodeRecovery(good).Problem, RecoveryProblem::None);
}

TEST(RecoveryFile, AnotherVersionIsNamed) {
    auto bytes = EncodeRecovery(*SampleContent());
    std::memcpy(&bytes[kVersionAt + 4], "V090", 4);
    Reseal(bytes);
    EXPECT_EQ(DecodeRecovery(bytes).Version, "V090");
}

}  // namespace
}  // namespace kv
