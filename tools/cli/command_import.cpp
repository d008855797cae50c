// import DATAFILE IN.csv [--band HF|HAM --group G] OUT [--skip-bad] [--repeater-offset]: the
// channels of a CSV file (own format, or the common format into the named group) added to a data
// file pair, saved as OUT. The preview is printed first; with a refused line nothing is written
// unless --skip-bad. --repeater-offset takes the preview's offer to set TX.REP to the one shift
// the file's repeater lines ask for.
#include <iostream>
#include <optional>
#include <vector>

#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "document_source.h"
#include "exchange/channel_import.h"
#include "exchange/csv_bounds.h"
#include "exchange/import_texts.h"
#include "exchange/utf8_text.h"
#include "files/data_file.h"
#include "group_option.h"
#include "model/text_pair.h"
#include "output_guard.h"
#include "terminal_text.h"

namespace kv::cli {
namespace {

struct ImportArguments {
    std::string Data;
    std::string Csv;
    std::string Out;
    ImportTarget Target{-1, 0};
    bool SkipBad = false;
    bool TakeOffset = false;
};

std::optional<ImportArguments> Parse(Arguments arguments) {
    ImportArguments parsed;
    std::vector<std::string> files;
    for (std::size_t n = 0; n < arguments.size(); ++n) {
        const std::string& word = arguments[n];
        const OptionTaken group = TakeGroupOption(arguments, n, parsed.Target);
        if (group == OptionTaken::Bad) return std::nullopt;
        if (group == OptionTaken::Yes) continue;
        if (word == "--skip-bad") {
            parsed.SkipBad = true;
        } else if (word == "--repeater-offset") {
            parsed.TakeOffset = true;
        } else if (word.starts_with("--")) {
            return std::nullopt;
        } else {
            files.push_back(word);
        }
    }
    if (files.size() != 3) return std::nullopt;
    parsed.Data = files[0];
    parsed.Csv = files[1];
    parsed.Out = files[2];
    return parsed;
}

std::string Place(const ImportedChannel& channel) {
    if (channel.Memory) return "CB MEM " + std::to_string(channel.ChNo);
    return std::string(BandName(channel.Band)) + " group " + std::to_string(channel.Group) +
           " CH " + std::to_string(channel.ChNo);
}

void PrintPreview(const ImportPreview& preview, std::int32_t documentOffset) {
    if (preview.Format == ImportFormat::Common)
        std::cout << NumberingText(preview.CountedFromZero).en << '\n';
    if (const auto note = RepeaterOffsetNote(preview, documentOffset)) {
        std::cout << note->en;
        if (preview.OffsetOffer && preview.OffsetOffer->Settable)
            std::cout << " (--repeater-offset sets it)";
        std::cout << '\n';
    }
    for (const ImportedChannel& channel : preview.Channels)
        std::cout << (channel.Replaces ? "replaced " : "added ") << Place(channel) << " (line "
                  << channel.Line << ")\n";
    for (const GroupNameChange& name : preview.Names) {
        std::cout << "group name " << BandName(name.Band) << " group " << name.Group << " \""
                  << TerminalText(ToUtf8(*SystemCodec().AnsiCodePage, name.Name)) << '"';
        if (!name.Cut.empty())
            std::cout << " (" << TerminalText(GroupNameCutText(name.Cut, name.Name.size()).en)
                      << ')';
        std::cout << '\n';
    }
    for (const RefusedLine& note : preview.Notes)
        std::cout << "note " << RefusedLineText(note, kLanguageEnglish) << '\n';
    for (const RefusedLine& refused : preview.Refused)
        std::cout << "refused " << TerminalText(RefusedLineText(refused, kLanguageEnglish)) << '\n';
    if (!preview.DroppedFields.empty()) {
        std::cout << "dropped fields (this radio cannot carry them):";
        for (const std::string& field : preview.DroppedFields)
            std::cout << ' ' << TerminalText(ShortenedValue(field));
        std::cout << '\n';
    }
}

bool Save(Document& doc, const std::string& path) {
    if (IsImageFileName(path)) {
        auto image = std::make_unique<MemoryImage>();
        EncodeImage(doc.Working, *image, SystemCodec());
        return WriteImage(*image, path);
    }
    const FileResult result = SaveDataFile(doc, path);
    if (!result.ok()) Fail(path + ": " + result.Message.en);
    return result.ok();
}

}  // namespace

int RunImport(Arguments arguments) {
    const auto parsed = Parse(arguments);
    if (!parsed) {
        std::cerr << "kv7700-cli: import takes DATAFILE IN.csv [--band HF|HAM --group G] OUT "
                     "[--skip-bad] [--repeater-offset]\n";
        return kExitUsage;
    }
    if (const auto refused = OutputOverwritesInput({PairOrImageOutput(parsed->Out)},
                                                   {DocumentFile(parsed->Data), {parsed->Csv}}))
        return *refused;
    const auto doc = OpenDocument(parsed->Data);
    if (!doc) return kExitFailure;
    const CsvFileText csv = ReadCsvFile(parsed->Csv);
    if (csv.Error) return Fail(parsed->Csv + ": " + csv.Error->en);
    ImportResult result =
        PreviewImport(doc->Working, csv.Text, parsed->Target, *SystemCodec().AnsiCodePage);
    if (!result.Preview) return Fail(parsed->Csv + ": " + result.Error->en);
    if (parsed->TakeOffset && result.Preview->OffsetOffer &&
        result.Preview->OffsetOffer->Settable) {
        result = PreviewImport(doc->Working, csv.Text, parsed->Target, *SystemCodec().AnsiCodePage,
                               result.Preview->OffsetOffer->Offset);
        if (!result.Preview) return Fail(parsed->Csv + ": " + result.Error->en);
    }
    const ImportPreview& preview = *result.Preview;
    PrintPreview(preview, doc->Working.Config.Settings.RepeaterOffset);
    if (!preview.Refused.empty() && !parsed->SkipBad)
        return Fail(std::to_string(preview.Refused.size()) +
                    " line(s) refused; nothing written (--skip-bad imports the others)");
    if (preview.Channels.empty() && preview.Names.empty())
        return Fail(parsed->Csv + ": no channel or group name to import; nothing written");
    ApplyImport(doc->Working, preview);
    return Save(*doc, parsed->Out) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
