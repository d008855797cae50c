// The roger-beep window (FrmRogerBeep): the eight tones on tabs, each with its recycle count,
// interval and fourteen steps, the bar graph, the preview and the sound-file export.
#pragma once

#include <QWidget>
#include <array>

#include "gui/editor_window.h"
#include "model/config_record.h"
#include "model/document_edit.h"

class QComboBox;
class QPushButton;
class QTabBar;

namespace kv {

class EditorHost;
struct ReferenceCount;
class TonePlayer;
class ToneGraphWidget;
struct ShellContext;

class RogerBeepWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    RogerBeepWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);
    ~RogerBeepWindow() override;

    // The tone the shown tab edits, 1..8.
    int CurrentTone() const { return currentTone_; }
    TonePlayer& Player() { return *player_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(int language);
    void showTone();
    void onDocumentEdited(const DocumentEdit& edit);
    void recycleChosen(int index);
    void intervalChosen(int index);
    void frequencyChosen(int step, int index);
    void lengthChosen(int step, int index);
    void play();
    void stop();
    void exportWav();
    // After an edit was stored (references repaired with it): every window hears of the edit,
    // and those offering tone numbers rebuild their lists.
    void announce();
    // The references the edit about to be made would clear: those to the shown tone while it is
    // defined.
    ReferenceCount referencesAtStake() const;
    // After an edit that left the tone undefined: says which references to it were cleared.
    void tellCleared(const ReferenceCount& usedBefore);
    const ToneRecord& tone() const;

    ShellContext& context_;
    EditorHost& main_;
    int currentTone_ = 1;
    bool announcing_ = false;
    QTabBar* tabs_ = nullptr;
    QComboBox* recycle_ = nullptr;
    QComboBox* interval_ = nullptr;
    std::array<QComboBox*, 14> frequencies_{};
    std::array<QComboBox*, 14> lengths_{};
    ToneGraphWidget* graph_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    TonePlayer* player_ = nullptr;
};

// The factory the window registry calls.
QWidget* CreateRogerBeepWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
