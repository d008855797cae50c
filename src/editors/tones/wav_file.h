// Sound files: 16-bit mono PCM samples in the RIFF WAVE container.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "editors/tones/melody.h"
#include "files/file_io.h"

namespace kv {

// The sample rate of exported sound files: every step length (a multiple of 10 ms) is a whole
// number of samples.
inline constexpr int kWavSampleRate = 44100;

// Told after each piece how many of the samples are written; returning false cancels the export.
using WavProgress = std::function<bool(std::size_t written, std::size_t total)>;

// Renders the melody into `path` piece by piece (a long melody never sits in memory whole),
// through the safe save: written beside the target and renamed into place when complete, so a
// failure or a cancel leaves an existing file as it was and no partial file behind, and a
// read-only file is refused. False when the file cannot be written (and then `failure`, when
// given, says why) or the export was cancelled.
bool WriteMelodyWav(const Melody& melody, const std::string& path, const WavProgress& progress = {},
                    FileFailure* failure = nullptr);

}  // namespace kv
