// Saving and opening a document as a data file pair, and laying a template data file over it.
#pragma once

#include <string>

#include "files/file_io.h"
#include "files/version_table.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

enum class FileStatus {
    Ok,
    FileError,            // the pair could not be read or written, or it is damaged
    UnknownVersion,       // the version mark is not one
    IncompatibleVersion,  // no version pair lists the file's mark with this program's version
    WrongSize,            // a listed version mark on a data file of another size
};

struct FileResult {
    FileStatus Status = FileStatus::Ok;
    TextPair Message;          // what the caller shows; when Ok, a notice to show once, or empty
    std::string OtherVersion;  // IncompatibleVersion: the file's mark, for the hand-over

    bool ok() const { return Status == FileStatus::Ok; }
};

TextPair FileErrorText();  // "file error."
// Why a file failed, in words a user can act on, in both languages.
TextPair FileFailureReason(const FileFailure& failure);
// "file error." and, on a second line, the file's path and why it failed, in both languages.
TextPair FileErrorText(const FileFailure& failure);

// Writes the pair to path and its companion; both files are replaced together or not at all. On
// success the document is staged, DocumentName := path and DocumentUntitled := false; on failure
// nothing of the document changes, so it still counts as changed. The caller rebuilds the main
// window's title.
FileResult SaveDataFile(Document& doc, const std::string& path);

// Checks the file's version mark against the version table and its size, reads the pair, and only
// when all of it is valid puts it into the staging copy and applies it; DocumentName := path and
// DocumentUntitled := false. Over-full groups are then merged (MergeOverfullGroups) and Message
// says how many records went. On any failure the document is unchanged.
FileResult OpenDataFile(Document& doc, const std::string& path, const VersionTable& table);

// Reads a template pair into the staging copy, without the version and size checks, and applies
// it when the name of HF group 1 is not empty; returns whether it was applied. A pair that cannot
// be read leaves the working data as it is and restages it.
bool LoadTemplateFile(Document& doc, const std::string& path);

}  // namespace kv
