// Builds the template data files of the program's Init folder from the channel plan table:
//   kv7700-make-templates PLAN.csv INIT_DIR YYYYMMDD
// Each template is the built-in defaults of a new document with the plan laid over them; the
// digit 0 templates carry the HF range class, the digit 1 templates the other one.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "model/band_range.h"
#include "editors/channels/channel_plan.h"
#include "files/data_file.h"
#include "files/staging.h"
#include "model/default_data.h"

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

// Writes one template pair; returns false after saying why.
bool WriteTemplate(const kv::ChannelPlan& plan, const std::string& initDir, const std::string& date,
                   const char* rangeText, const char* fileName) {
    auto doc = std::make_unique<kv::Document>();
    doc->BandRangeText = rangeText;
    kv::ParseBandRange(*doc);
    kv::ApplyBuiltInDefaults(*doc, date);
    if (const std::string error = kv::ApplyChannelPlan(*doc, plan); !error.empty()) {
        std::fprintf(stderr, "channel plan: %s\n", error.c_str());
        return false;
    }
    // Loading a template sets the band range text from its BandMode, so each template carries the
    // mode whose range text is the one that chose it: the program then starts with the range it
    // had before the template was laid over the defaults, and the template digit stays the same.
    for (int mode = 0; mode < kv::kBandCount; ++mode)
        if (kv::BandRangeTextFor(mode) == rangeText) doc->config().BandMode = static_cast<kv::i16>(mode);
    const std::string path = initDir + "/" + fileName;
    const kv::FileResult saved = kv::SaveDataFile(*doc, path);
    if (!saved.ok()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), saved.Message.en.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PLAN.csv INIT_DIR YYYYMMDD\n", argv[0]);
        return 2;
    }
    const std::string planPath = argv[1];
    const std::string initDir = argv[2];
    const std::string date = argv[3];
    std::string csv;
    if (!ReadText(planPath, csv)) {
        std::fprintf(stderr, "%s: cannot read the channel plan\n", planPath.c_str());
        return 1;
    }
    const kv::ChannelPlan plan = kv::ParseChannelPlan(csv);
    if (!plan.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", planPath.c_str(), plan.error.c_str());
        return 1;
    }
    const char* const hfRange = kv::kBandRangeTexts[kv::kBandHf];
    const char* const otherRange = kv::kStartupBandRangeText;
    struct Template {
        const char* rangeText;
        const char* fileName;
    };
    const Template templates[] = {
        {hfRange, "0_KV7700_New.dat"},
        {hfRange, "0_KV7700.dat"},
        {otherRange, "1_KV7700_New.dat"},
        {otherRange, "1_KV7700.dat"},
    };
    for (const Template& t : templates)
        if (!WriteTemplate(plan, initDir, date, t.rangeText, t.fileName)) return 1;
    return 0;
}
