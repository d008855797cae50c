// Laying the Init folder's templates over a document, and the new document of start-up.
#include "files/templates.h"

#include "files/data_file.h"
#include "files/staging.h"

namespace kv {

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
