// The starting document of kv7700-cli: the new document the program starts with, built from the
// defaults and the start-up template of the program folder, dated today.
#include "new_document.h"

#include <QCoreApplication>
#include <ctime>
#include <string>

#include "files/templates.h"
#include "model/band_range.h"

namespace kv::cli {
namespace {

// Today's local date as YYYYMMDD.
std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return std::string(text, std::strftime(text, sizeof text, "%Y%m%d", &local));
}

}  // namespace

std::unique_ptr<Document> NewDocument() {
    auto doc = std::make_unique<Document>();
    doc->BandRangeText = kStartupBandRangeText;
    ParseBandRange(*doc);
    BuildNewDocument(*doc, QCoreApplication::applicationDirPath().toStdString(), Today());
    return doc;
}

}  // namespace kv::cli
