// The application with its real channel and group names windows, its real data files and the
// installation's templates in a scratch folder; message boxes answered by the test.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "app/main_window_tables.h"
#include "editors/channels/ui/channel_window.h"
#include "gui/app/shell_fixture.h"

namespace kv::test {

class ChannelWindowTest : public ShellTest {
protected:
    void SetUp() override;
    // Starts with the band choice enabled (a radio reported its options) or not.
    void StartWithBands(bool radioOptions = true);

    ChannelWindow* window();
    template <typename T = QWidget>
    T* child(const char* name) {
        auto* found = window()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* combo(const char* name) { return child<QComboBox>(name); }
    QTableView* grid() { return child<QTableView>("MSFlexGrid1"); }
    QLineEdit* editBox() { return child<QLineEdit>("Text1"); }
    // Chooses an entry as the user does.
    static void Pick(QComboBox* box, int index);
    static void Pick(QComboBox* box, const QString& text) { Pick(box, box->findText(text)); }
    void ShowBandGroup(int band, int group);
    QString Cell(int row, int column = 1);
    QString Label(int row) { return Cell(row, 0); }
    void SelectRow(int row);
    // Types a frequency into row `row` and commits it with Enter.
    void TypeFrequency(int row, const QString& keys);
    std::vector<int> Numbers(int band, int group);
    // The installation's version table, so that the data files this program saves open again.
    void InstallVersionTable();
};

}  // namespace kv::test
