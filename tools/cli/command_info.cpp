// info FILE: a readable summary of a data file pair or a memory image.
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "model/channel_store.h"
#include "new_document.h"

namespace kv::cli {
namespace {

// A stored text as the terminal shows it: characters of the system's code page in UTF-8, control
// characters as \xNN.
std::string Shown(const std::string& bytes) {
    std::ostringstream out;
    for (char16_t c : SystemCodec().AnsiCodePage->toUtf16(bytes)) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << static_cast<int>(c)
                << std::dec;
        } else if (c < 0x80) {
            out << static_cast<char>(c);
        } else if (c < 0x800) {
            out << static_cast<char>(0xC0 | (c >> 6)) << static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out << static_cast<char>(0xE0 | (c >> 12))
                << static_cast<char>(0x80 | ((c >> 6) & 0x3F))
                << static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out.str();
}

std::string GroupLabel(int band, int group, const RadioSettings& settings) {
    if (IsMemGroup(band, group)) return "MEM";
    if (IsVfoGroup(band, group)) return "VFO";
    return "\"" + Shown(settings.GroupName(band, group).trimmed()) + "\"";
}

void PrintChannels(std::ostream& out, const RadioData& data) {
    const RadioSettings& settings = data.Config.Settings;
    out << "Channels (used / slots):\n";
    for (int band = 0; band < kBandCount; ++band) {
        int total = 0;
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int count = data.channelCount(band, group);
            total += count;
            out << "  " << std::left << std::setw(4) << BandName(band) << std::right << std::setw(2)
                << group << "  " << std::left << std::setw(8) << GroupLabel(band, group, settings)
                << std::right << std::setw(3) << count << " / " << std::setw(2)
                << SlotCapacity(band, group);
            if (group <= kRegularGroupsPerBand[band])
                out << (settings.GroupValid(band, group) ? "  enabled " : "  disabled")
                    << "  work channel " << settings.GroupWorkChannel(band, group);
            out << '\n';
        }
        out << "  " << BandName(band) << " total: " << total << " channels\n";
    }
    int memories = 0;
    for (int n = 1; n <= kCbMemCount; ++n) memories += data.Store.cbMem(n).InUse == 1 ? 1 : 0;
    out << "  CB memory channels in use: " << memories << " of " << kCbMemCount << '\n';
}

void PrintSettings(std::ostream& out, const ConfigRecord& config) {
    const RadioSettings& s = config.Settings;
    const int band = config.BandMode;
    out << "Settings:\n"
        << "  Band mode: " << (band >= 0 && band < kBandCount ? BandName(band) : "unknown") << " ("
        << band << ")\n"
        << "  Work group: CB " << s.WorkGroup[0] << ", HF " << s.WorkGroup[1] << ", HAM "
        << s.WorkGroup[2] << '\n'
        << "  Squelch: " << s.Squelch << '\n'
        << "  Mic gain: " << s.MicGain + 1 << '\n'
        << "  Beep level: " << s.BeepLevel << '\n'
        << "  Time-out timer: " << s.Tot * 10 << " s\n"
        << "  VOX level: " << int{s.VoxLevel} << '\n'
        << "  Repeater offset: " << std::fixed << std::setprecision(4) << s.RepeaterOffset / 10000.0
        << " MHz\n"
        << std::setprecision(1) << "  Battery protection: " << (s.BatteryProtect ? "on" : "off")
        << ", " << s.BatteryMin / 10.0 << " V to " << s.BatteryMax / 10.0 << " V\n"
        << "  SWR protection: " << (s.SwrProtect ? "on" : "off") << ", limit " << s.SwrLimit / 10.0
        << '\n'
        << "  Bluetooth device name: \"" << Shown(s.BtDeviceName.trimmed()) << "\"\n";
    int weather = 0;
    for (const auto& channel : s.WeatherChannels) weather += channel.WxInUse == 1 ? 1 : 0;
    out << "  Weather channels in use: " << weather << " of " << kWeatherCount << '\n';
    int codes = 0;
    for (const auto& code : s.DtmfCodes) codes += code.trimmed().empty() ? 0 : 1;
    out << "  DTMF codes set: " << codes << " of " << kDtmfCodeCount << '\n';
}

}  // namespace

int RunInfo(Arguments arguments) {
    const std::string& path = arguments[0];
    std::unique_ptr<Document> doc;
    // A file named as an image is read as one even at another size, so that the size is named.
    if (LooksLikeImage(path) || IsImageFileName(path)) {
        const auto image = ReadImage(path);
        if (!image) return kExitFailure;
        doc = NewDocument();
        DecodeImage(*image, doc->Working, SystemCodec());
        std::cout << path << ": memory image\n";
    } else {
        doc = OpenPair(path);
        if (!doc) return kExitFailure;
        std::cout << path << ": data file pair, version " << doc->Working.Config.FileVersion.raw()
                  << '\n';
    }
    PrintChannels(std::cout, doc->Working);
    PrintSettings(std::cout, doc->Working.Config);
    return std::cout.flush() ? kExitOk : Fail("standard output cannot be written");
}

}  // namespace kv::cli
