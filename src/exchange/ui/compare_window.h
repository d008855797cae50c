// The differences between the working document (A) and another data file or radio image (B),
// one line each as the windows name it; double-clicking a line opens the window that shows it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "exchange/document_diff.h"
#include "model/document.h"

class QListWidget;

namespace kv {

class EditorHost;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // `otherName` names B in the summary. Deletes itself when closed.
    CompareWindow(EditorHost& host, const Document& doc, std::vector<Difference> differences,
                  const std::string& otherName, int language, QWidget* parent = nullptr);

    // Opens the window that shows difference `index` and brings its place into view.
    void ShowDifference(int index);

private:
    EditorHost& host_;
    const Document& doc_;
    std::vector<Difference> differences_;
    QListWidget* list_;
};

}  // namespace kv
