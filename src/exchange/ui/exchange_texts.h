// The texts of the channel export, the import with its group choice and preview, and the
// comparison window, in both languages.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

struct ExchangeTextTable {
    TextPair CsvFileLabel;  // the file window filter's label
    TextPair ExportFailed;  // the channels were not written; the reason follows
    TextPair ImportFailed;  // the file was not read; "{}" is the file, the reason follows

    TextPair ExportCaption;
    TextPair ExportOwn;
    TextPair ExportCommon;
    TextPair ExportLeft;  // "{}" the count, then the channels

    TextPair TargetCaption;
    TextPair TargetPrompt;
    TextPair TargetBand;
    TextPair TargetGroup;

    TextPair PreviewCaption;
    TextPair PreviewChannels;  // "{}" is the count
    TextPair PreviewAdded;
    TextPair PreviewReplaced;
    TextPair PreviewRefused;  // "{}" is the count
    TextPair PreviewDropped;
    TextPair PreviewNotes;    // "{}" is the count
    TextPair PreviewNothing;  // no channel and no name to import
    TextPair GroupNameSet;    // "{}" is the name
    TextPair ColumnWhat;
    TextPair ColumnPlace;
    TextPair ColumnLine;
    TextPair PlaceChannel;  // band, group, channel number
    TextPair PlaceMemory;   // CB memory record number

    TextPair CompareCaption;
    TextPair CompareSummary;  // "{}" the count, "{}" the other file
    TextPair CompareEqual;    // "{}" the other file
};

const ExchangeTextTable& ExchangeTexts();

}  // namespace kv
