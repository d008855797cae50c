// Sound files.
#include "editors/tones/wav_file.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "files/file_io.h"

namespace kv {
namespace {

constexpr int kChannels = 1;
constexpr int kBytesPerSample = 2;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

bool WriteSamples(FileReplacement& file, MelodyRenderer& renderer, const WavProgress& progress) {
    std::array<std::int16_t, 4096> samples{};
    std::array<std::uint8_t, samples.size() * kBytesPerSample> bytes{};
    std::size_t written = 0;
    while (const std::size_t n = renderer.Render(samples.data(), samples.size())) {
        for (std::size_t i = 0; i < n; ++i) {
            const auto s = static_cast<std::uint16_t>(samples[i]);
            bytes[2 * i] = static_cast<std::uint8_t>(s & 0xFF);
            bytes[2 * i + 1] = static_cast<std::uint8_t>(s >> 8);
        }
        if (!file.Write(std::span(bytes.data(), 2 * n))) return false;
        written += n;
        if (progress && !progress(written, renderer.TotalSamples())) return false;
    }
    return true;
}

// The 44-byte header of a file holding `sampleCount` samples.
std::vector<std::uint8_t> WavHeader(std::size_t sampleCount, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(sampleCount * kBytesPerSample);
    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);  // size of the format chunk
    Put(out, 1, 2);   // PCM
    Put(out, kChannels, 2);
    Put(out, static_cast<std::uint32_t>(sampleRate), 4);
    Put(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample), 4);
    Put(out, kChannels * kBytesPerSample, 2);
    Put(out, 8 * kBytesPerSample, 2);
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    return out;
}

}  // namespace

bool WriteMelodyWav(const Melody& melody, const std::string& path, const WavProgress& progress,
                    FileFailure* failure) {
    MelodyRenderer renderer(melody, kWavSampleRate);
    // The sizes in the header are 32-bit.
    if (renderer.TotalSamples() * kBytesPerSample >
        std::numeric_limits<std::uint32_t>::max() - 36) {
        if (failure != nullptr) *failure = {path, FileFailure::Kind::System, EFBIG};
        return false;
    }
    FileReplacement file(path);
    const bool rendered = file.Write(WavHeader(renderer.TotalSamples(), kWavSampleRate)) &&
                          WriteSamples(file, renderer, progress);
    // A cancelled export leaves no failure; the replacement removes its file.
    const std::optional<FileFailure> failed = rendered ? file.Commit() : file.Failed();
    if (failed && failure != nullptr) *failure = *failed;
    return rendered && !failed;
}

}  // namespace kv
