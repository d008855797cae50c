// The Init folder's templates and the new document.
#include "files/templates.h"

#include "files/data_file.h"
#include "files/staging.h"
#include "model/band_range.h"

namespace kv {

std::string TemplatePath(std::string_view programDir, std::string_view bandRangeText,
                         TemplateKind kind) {
    std::string path(programDir);
    if (!path.empty() && path.back() != '/') path += '/';
    path += "Init/";
    path += std::to_string(BandRangeClass(bandRangeText));
    path += kind == TemplateKind::New ? "_KV7700_New.dat" : "_KV7700.dat";
    return path;
}

bool LoadTemplate(Document& doc, std::string_view programDir, TemplateKind kind) {
    return LoadTemplateFile(doc, TemplatePath(programDir, doc.BandRangeText, kind));
}

void BuildNewDocument(Document& doc, std::string_view programDir, std::string_view today) {
    doc.DocumentUntitled = true;
    doc.DocumentName = kUntitledName;
    ApplyBuiltInDefaults(doc, today);
    LoadStartupTemplate(doc, programDir);
    StageDocument(doc);
}

}  // namespace kv
