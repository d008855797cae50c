// File → Print…, Print Preview… and Export PDF…, and the toolbar's Print button: the channel
// sheet of the working document in the current language, on a printer, in Qt's preview window
// or in a PDF file.
#pragma once

#include <QObject>

class QPrinter;

namespace kv {

class MainWindow;
struct ShellContext;

class PrintCommands : public QObject {
    Q_OBJECT
public:
    // Lives as a child of `main` and connects its menu items and toolbar button.
    PrintCommands(ShellContext& context, MainWindow& main);

    void Print();
    void PrintPreview();
    void ExportPdf();

private:
    void render(QPrinter* printer);
    int language() const;

    ShellContext& context_;
    MainWindow& main_;
};

// The label of the PDF file filter.
QString PdfFilterLabel(int language);

}  // namespace kv
