// Sound files: 16-bit mono PCM samples in the RIFF WAVE container.
#pragma once

#include <string>

#include "editors/tones/melody.h"

namespace kv {

// The sample rate of exported sound files: every step length (a multiple of 10 ms) is a whole
// number of samples.
inline constexpr int kWavSampleRate = 44100;

// Renders the melody into `path` piece by piece (a long melody never sits in memory whole). The
// file is written beside the target and renamed into place when complete, so a failure leaves
// an existing file as it was. False when the file cannot be written.
bool WriteMelodyWav(const Melody& melody, const std::string& path);

}  // namespace kv
