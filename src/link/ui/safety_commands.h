// The safety net's commands in the main window: the write options of the Setup menu ("Back Up
// Before Writing", "Verify After Writing", both kept in the settings file), Help → "Open Backup
// Folder" and Help → "Save Diagnostic Report…".
#pragma once

#include <QObject>
#include <optional>

#include "link/backup_store.h"
#include "link/write_job.h"
#include "model/memory_image.h"

namespace kv {

class EditorHost;
struct ShellContext;

class SafetyCommands : public QObject {
    Q_OBJECT
public:
    SafetyCommands(ShellContext& context, EditorHost& main, QObject* parent);

    // What a write does besides writing, as the Setup menu's check marks say.
    WriteJobOptions writeOptions() const;

    // Keeps the image of a finished read, or sent by a write, as a backup. The reason when it
    // could not be kept.
    std::optional<TextPair> keepBackup(const MemoryImage& image, BackupKind kind);

    void OpenBackupFolder();
    void SaveDiagnosticReport();

private:
    void connectOption(const char* menuItem, const char* key);
    int language() const;

    ShellContext& context_;
    EditorHost& main_;
};

}  // namespace kv
