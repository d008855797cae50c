// The roger-beep window's texts in both languages and its pick lists, each list as its entries'
// captions with the value a position stores.
#pragma once

#include <string>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct ToneWindowTexts {
    TextPair Caption;
    TextPair TabWord;  // followed by a space and the tone number
    TextPair RecycleTimes;
    TextPair InterTime;
    TextPair FrequencyHeading;
    TextPair LengthHeading;
    TextPair Play;
    TextPair Stop;
    TextPair ExportWav;
    TextPair WavFileLabel;  // the file window filter's label
    TextPair WavWriteFailed;
    TextPair NothingToExport;  // the tone is not defined: it has no sound
    TextPair Exporting;        // the progress window's text while a sound file is written
};

const ToneWindowTexts& ToneTexts();

// "First Tone" ... "Fourteenth Tone" (Chinese "第一个音" ... "第十四个音"), step 1..14.
TextPair StepCaption(int step);

// The tab caption of tone n: "RB Tone 3" / "RB音 3".
TextPair ToneTabCaption(int tone);

// The lists: captions in order; a position selects the entry of the same index.
std::vector<TextPair> RecycleList();    // Off, 1 .. 10
std::vector<TextPair> IntervalList();   // 0, 10 .. 2550 ms
std::vector<TextPair> LengthList();     // 0, 10 .. 2550 ms
std::vector<TextPair> FrequencyList();  // None, 400, 410 .. 2550 Hz

// The frequency list's entry for a stored ToneFreq (None for 0, -1 for a value the list does not
// offer), and the ToneFreq an entry stores.
int FrequencyListIndex(int toneFreq);
int FrequencyListValue(int index);

// The entry a stored position selects in a list of `size` entries: -1 when out of range, so that
// the window shows the value itself rather than another entry.
int ListIndexFor(int stored, int size);

}  // namespace kv
