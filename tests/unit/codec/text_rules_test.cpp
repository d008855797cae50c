// The Windows-1252 code page and the Bluetooth device name's bytes in the image.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/code_page.h"
#include "codec/image_codec.h"
#include "codec_fixtures.h"

namespace kv {
namespace {

TEST(Windows1252, EveryByteSurvivesAndForeignCharactersBecomeQuestionMarks) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const CodePage& cp = Windows1252();
    const std::u16string text = cp.toUtf16(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x41], u'A');
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x9F], u'\u0178');
    EXPECT_EQ(text[0xE9], u'\u00E9');
    EXPECT_EQ(cp.fromUtf16(text), all);
    EXPECT_EQ(cp.fromUtf16(u"\u4E2D\U0001F600x"), "??x");
}

// The name sits at 0x22147 to 0x22156; 0x22157 is never written. Its bytes are the document's,
// whatever the system locale and code page: only showing and editing the name convert them.
TEST(ImageCodec, BluetoothNameKeepsItsBytes) {
    struct Case {
        std::string name;
        test::ByteRun bytes;
        std::string decoded;  // all 16 bytes
    };
    const std::string nuls(16, ' ');  // the data file pads its texts with blanks
    const Case cases[] = {
        {"Car 1", {0x22147, {'C', 'a', 'r', ' ', '1', 0x00}}, "Car 1" + nuls.substr(5)},
        {"Caf\xE9", {0x22147, {'C', 'a', 'f', 0xE9, 0x00}}, "Caf\xE9" + nuls.substr(4)},
        // 0x80 to 0x9F, which no conversion may turn into "?".
        {"\x80\x81\x9F", {0x22147, {0x80, 0x81, 0x9F, 0x00}}, "\x80\x81\x9F" + nuls.substr(3)},
        // A Chinese name in GBK bytes.
        {"\xC0\xB6\xD1\xC0",
         {0x22147, {0xC0, 0xB6, 0xD1, 0xC0, 0x00}},
         "\xC0\xB6\xD1\xC0" + nuls.substr(4)},
        // Trailing blanks are not part of the name.
        {"AB  ", {0x22147, {'A', 'B', 0x00, 0x00, 0x00}}, "AB" + nuls.substr(2)},
        {"ABCDEFGHIJKLMNO\x80", {0x22155, {'O', 0x80, 0x00}}, "ABCDEFGHIJKLMNO\x80"},
        // A blank inside the name stays.
        {"A B", {0x22147, {'A', ' ', 'B', 0x00}}, "A B" + nuls.substr(3)},
    };
    const CodecOptions systems[] = {{"409", &Windows1252()}, {"407", &Windows1252()}};
    for (const auto& options : systems)
        for (const auto& c : cases) {
            SCOPED_TRACE(options.SystemLocaleHex + " " + c.name);
            auto data = test::NewData();
            data->Config.Settings.BtDeviceName.assign(c.name);
            auto image = test::NewImage();
            EncodeImage(*data, *image, options);
            test::ExpectBytes(*image, {c.bytes});
            auto decoded = test::NewData();
            DecodeImage(*image, *decoded, options);
            EXPECT_EQ(decoded->Config.Settings.BtDeviceName.raw(), c.decoded);
        }
}

// A name that ends in a blank on the radio keeps it through decoding and encoding: its padding
// is NUL then, so the blank is not taken for padding.
TEST(ImageCodec, BluetoothNameEndingInABlankKeepsTheBlank) {
    constexpr std::uint32_t kName = 0x22147;
    auto image = test::NewImage();
    const std::uint8_t bytes[] = {'A', 'B', ' ', 0xFF};
    for (std::uint32_t i = 0; i < 4; ++i) image->put(kName + i, bytes[i]);
    auto data = test::NewData();
    DecodeImage(*image, *data);
    EXPECT_EQ(data->Config.Settings.BtDeviceName.raw(), std::string("AB ") + std::string(13, '\0'));
    auto encoded = test::NewImage();
    EncodeImage(*data, *encoded);
    test::ExpectBytes(*encoded, {{kName, {'A', 'B', ' ', 0x00}}});
}

// Random radio contents: every byte of the image random. Decoding and encoding gives back the
// name's bytes up to the first 0x00 or 0xFF (then NULs), and a second decode and encode changes
// no byte of the extended settings that hold it.
TEST(ImageCodec, RandomImagesKeepTheNameAndSettleAfterOneRoundTrip) {
    constexpr std::uint32_t kName = 0x22147;
    int highBytes = 0;  // name bytes 0x80 to 0x9F seen, so the run covers them
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        auto image = test::NewImage();
        for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
            image->put(a, static_cast<std::uint8_t>(rng() & 0xFF));
        auto data = test::NewData();
        DecodeImage(*image, *data);
        auto encoded = test::NewImage();
        EncodeImage(*data, *encoded);
        bool ended = false;
        for (std::uint32_t i = 0; i < 16; ++i) {
            const std::uint8_t byte = image->at(kName + i);
            ended = ended || byte == 0x00 || byte == 0xFF;
            EXPECT_EQ(encoded->at(kName + i), ended ? 0x00 : byte) << "name byte " << i;
            if (!ended && byte >= 0x80 && byte <= 0x9F) ++highBytes;
        }
        auto again = test::NewData();
        DecodeImage(*encoded, *again);
        auto twice = test::NewImage();
        EncodeImage(*again, *twice);
        for (std::uint32_t a = 0x22100; a <= 0x22159; ++a)
            EXPECT_EQ(twice->at(a), encoded->at(a)) << "byte 0x" << std::hex << a;
    }
    EXPECT_GT(highBytes, 0);
}

}  // namespace
}  // namespace kv
