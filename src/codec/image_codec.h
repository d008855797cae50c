// Conversion between the document's data and the radio's memory image, both ways.
#pragma once

#include <string>

#include "codec/code_page.h"
#include "model/memory_image.h"
#include "model/radio_data.h"

namespace kv {

// The system facts that showing and editing the Bluetooth device name use: the code page maps its
// bytes to characters. The image itself holds the name's bytes unconverted, so encoding and
// decoding no longer read these; the parameter stays for the callers that pass them.
struct CodecOptions {
    std::string SystemLocaleHex = "409";
    const CodePage* AnsiCodePage = &Windows1252();
};

// Precondition: the image has just been cleared. Writes the whole data model into the image.
void EncodeImage(const RadioData& data, MemoryImage& image, const CodecOptions& options = {});

// Reads the whole image into the data model, replacing the channel store, the CB memory channels
// and the settings the image carries. Members the image does not carry keep their values.
void DecodeImage(const MemoryImage& image, RadioData& data, const CodecOptions& options = {});

}  // namespace kv
