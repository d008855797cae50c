// The findings of the check before writing, with the question whether to write all the same. A
// radio after years of use can give hundreds of findings: the list scrolls in a window that fits
// the screen, can be copied or saved, and the question with its buttons stays in sight.
#pragma once

#include <QDialog>
#include <vector>

#include "app/write_checks.h"
#include "gui/message_answerer.h"

class QPlainTextEdit;

namespace kv {

class FileChooser;

class WriteFindingsWindow : public QDialog {
    Q_OBJECT
public:
    WriteFindingsWindow(const std::vector<WriteFinding>& findings, int language,
                        FileChooser& chooser, QWidget* parent);

private:
    void copyList();
    void saveList();

    std::string list_;
    int language_;
    FileChooser& chooser_;
    QPlainTextEdit* view_ = nullptr;
};

// Shows the findings and asks; Ok writes. A test's message answerer answers in its place, with
// the whole report as the text.
MessageAnswer AskAboutWriteFindings(const std::vector<WriteFinding>& findings, int language,
                                    FileChooser& chooser, QWidget* parent);

}  // namespace kv
