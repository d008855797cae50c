// What the channel editor keeps for the whole run beside the document: the band the channel
// window last applied (the group names window shows and renames that band) and the one-record
// clipboard of the list commands. One instance lives as a child of the main window, so that it
// outlasts the windows and every window of the run finds the same one.
#pragma once

#include <QObject>
#include <string>

#include "editors/channels/channel_list_edit.h"

namespace kv {

class EditorHost;

class ChannelEditorState : public QObject {
    Q_OBJECT
public:
    // The main window's instance, created on first use.
    static ChannelEditorState& Of(EditorHost& main);

    // -1 until the channel window has applied a band.
    int DisplayedBandMode = -1;
    ChannelClipboard Clipboard;
    // The own-type text of the last single row this program put on the system clipboard; a
    // Paste that finds it there pastes the one-record clipboard instead.
    std::string CopiedRows;

private:
    explicit ChannelEditorState(QObject* parent);
};

// The band the channel editor shows: the one the channel window last applied, else BandMode
// when it names a band, else CB.
int DisplayedBand(EditorHost& main, const Document& doc);

}  // namespace kv
