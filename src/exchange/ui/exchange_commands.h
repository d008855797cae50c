// File → Export Channels…, Import Channels… and Compare With File…: the channel list as CSV out
// of and into the working document, and the differences from another data file or radio image.
#pragma once

#include <QObject>
#include <QPointer>

#include "model/text_pair.h"

namespace kv {

class CompareWindow;
class EditorHost;
struct ShellContext;

class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    // Lives as a child of the host's widget and connects the host's File menu items.
    ExchangeCommands(ShellContext& context, EditorHost& host);
    // Closes the comparison window, which is a window of its own.
    ~ExchangeCommands() override;

    void ExportChannels();
    // Reads the chosen file, asks for the group a common-format file goes to, shows the preview
    // and applies it as one edit when the user accepts it.
    void ImportChannels();
    // Opens a window listing the differences between the document and the chosen file, in place
    // of the one an earlier comparison opened.
    void CompareWithFile();

private:
    int language() const;
    void fail(const TextPair& text);

    ShellContext& context_;
    EditorHost& host_;
    QPointer<CompareWindow> compare_;
};

}  // namespace kv
