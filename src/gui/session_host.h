// What a radio session needs of the main window besides what an editor needs: the document
// steps around a read or a write (asking about unsaved changes, showing the image read, the
// language redrawn after the port window) and the hand-over to another program version. Only the
// radio commands hold this; the editor windows see EditorHost alone.
#pragma once

#include <string>

#include "gui/editor_host.h"

namespace kv {

class MemoryImage;

class SessionHost : public EditorHost {
public:
    // Redraws every window in the current language.
    virtual void Change_Language() = 0;
    // The unsaved-changes question; false when the user cancels.
    virtual bool ConfirmDiscardOrSave() = 0;
    virtual bool PrepareHandOver(const std::string& otherVersion) = 0;
    virtual bool StartHandOver(const std::string& otherVersion) = 0;
    // Makes the image read from the radio the document.
    virtual void ShowRadioData(const MemoryImage& image) = 0;
};

}  // namespace kv
