// A memory image kept as a raw file: exactly the image's bytes, address 0 first. Used by the
// command line and the simulated radio.
#pragma once

#include <QString>

#include "model/memory_image.h"

namespace kv {

// Fills `image` from the file. On failure the image is unchanged and the result says why.
QString LoadRawImage(const QString& path, MemoryImage& image);

// Writes the image to the file, replacing it only once every byte is written.
QString SaveRawImage(const QString& path, const MemoryImage& image);

}  // namespace kv
