// Edit → Find… (Ctrl+F) and Find Next (F3): a frequency, a range or a text searched across the
// document; the hits are listed, and a double-click (or F3 for the next one) opens the window at
// the hit's place, as the comparison's lines do.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "exchange/document_diff.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace kv {

class EditorHost;
struct ShellContext;

class FindWindow : public QDialog {
    Q_OBJECT
public:
    FindWindow(ShellContext& context, EditorHost& host, QWidget* parent = nullptr);

    // Searches for what the entry holds and lists the hits; a blank entry lists nothing.
    void Search();
    // Opens hit `index` and makes it the current line.
    void ShowHit(int index);
    // The hit after the current one (the first after the last), searching first when nothing
    // has been searched for yet.
    void FindNext();
    const std::vector<Difference>& Hits() const { return hits_; }

protected:
    // A language chosen while the window is open shows when the window is next activated.
    void changeEvent(QEvent* event) override;

private:
    void run(const QString& entry);
    void retranslate();
    int language() const;

    ShellContext& context_;
    EditorHost& host_;
    std::vector<Difference> hits_;
    QString searched_;  // the entry the hits are for
    QLabel* findLabel_;
    QLineEdit* entry_;
    QLabel* hint_;
    QLabel* summary_;
    QListWidget* list_;
    int shownLanguage_ = 0;
};

// Connects Edit → Find… and Find Next of the host; the one find window lives as long as the host.
void ConnectFindCommands(ShellContext& context, EditorHost& host);

}  // namespace kv
