// The channel editor's run-wide state.
#include "editors/channels/ui/channel_editor_state.h"

#include <QWidget>

#include "gui/editor_host.h"

namespace kv {

ChannelEditorState::ChannelEditorState(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("ChannelEditorState"));
}

ChannelEditorState& ChannelEditorState::Of(EditorHost& main) {
    auto* state = main.Widget()->findChild<ChannelEditorState*>(
        QStringLiteral("ChannelEditorState"), Qt::FindDirectChildrenOnly);
    if (state == nullptr) state = new ChannelEditorState(main.Widget());
    return *state;
}

int DisplayedBand(EditorHost& main, const Document& doc) {
    const int shown = ChannelEditorState::Of(main).DisplayedBandMode;
    if (shown >= 0 && shown < kBandCount) return shown;
    const int band = doc.config().BandMode;
    return band >= 0 && band < kBandCount ? band : kBandCb;
}

}  // namespace kv
