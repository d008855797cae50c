// The settings window (FrmOptFeatures): the general settings, "Mode Enable", "BLE" and the three
// band public parameter frames with their PUBLIC switches, built from the row tables of
// settings_rows.h and public_params.h. Every pick, tick and committed text is stored at once
// through the core rules and announced through the main window.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "gui/editor_window.h"
#include "model/document_edit.h"

class QAbstractScrollArea;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLineEdit;

namespace kv {

class EditorHost;
struct PublicBand;
struct PublicRow;
struct SettingRow;
struct ShellContext;
struct TextPair;

class SettingsWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    SettingsWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);

    // Rebuild the Roger (tones) and BOT/EOT/CALL (DTMF codes) lists of the band frames from the
    // document and show the stored values again. They store nothing: the tone and DTMF editors
    // repair the references themselves, and every edit redraws the window.
    void ShowRB();
    void ShowDTMF();
    // Commits the text box being typed in.
    void FinishEdit() override;

    // Stores the value of the list or check box `control` (one of this window's).
    void SaveOptFeat(QObject* control);

    // The size with the three columns side by side, whichever way they stand now: the frame
    // opens at it where the room allows.
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ListBinding {
        QComboBox* Box;
        const SettingRow* Row;
    };
    struct CheckBinding {
        QCheckBox* Box;
        const SettingRow* Row;
    };
    struct TextBinding {
        QLineEdit* Box;
        const SettingRow* Row;
    };
    struct PublicBinding {
        QComboBox* Box;
        const PublicRow* Row;
        const PublicBand* Band;
    };
    struct SwitchBinding {
        QComboBox* Box;
        const PublicBand* Band;
    };

    void buildControls();
    QWidget* buildSettingRow(const SettingRow& row);
    QGroupBox* buildPublicFrame(const PublicBand& band);
    QWidget* buildSwitches();
    QComboBox* newList(const char* name);
    QString text(const TextPair& pair) const;

    // Shows every stored value and applies the dependencies; stores nothing.
    void showValues();
    void showPublicLists(bool roger, bool dtmf);
    void applyEnabledState();
    // Runs `change` on the document and announces `edit` when it changed anything; otherwise
    // shows the stored values again.
    void store(const DocumentEdit& edit, const std::function<void()>& change);
    void commitText(const TextBinding& binding);
    void commitDeviceName(QLineEdit* box);
    void switchBandPublic(const SwitchBinding& binding);
    // Puts the right-hand column beside the other two, or under both when the window is too
    // narrow for three: one scroll bar then instead of two.
    void reflowColumns();

    ShellContext& context_;
    EditorHost& main_;
    int language_;
    bool loaded_ = false;  // false while the window fills itself: nothing is stored then
    std::vector<ListBinding> lists_;
    std::vector<CheckBinding> checks_;
    std::vector<TextBinding> texts_;
    std::vector<PublicBinding> publicLists_;
    std::vector<SwitchBinding> switches_;
    std::vector<QGroupBox*> publicFrames_;
    std::vector<QWidget*> switchRows_;
    QGridLayout* columns_ = nullptr;
    QLayout* rightColumn_ = nullptr;
    QAbstractScrollArea* scroll_ = nullptr;
    QSize threeColumnsContent_;
    QWidget* content_ = nullptr;
    bool stacked_ = false;
};

// The factory the window registry creates the window with.
QWidget* CreateSettingsWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
