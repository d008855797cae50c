// The details panel of the channel window: one labelled drop-down box per row of the detail
// table, built from that table. It shows a record and reports the user's choices; the window
// stores them.
#pragma once

#include <QGroupBox>
#include <map>
#include <vector>

#include "editors/channels/detail_rows.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace kv {

// Where the shown record belongs, for the rows that depend on it.
struct DetailContext {
    int band = 0;
    int group = 1;
    bool memGroup = false;
    bool cbMemoryRow = false;
    std::vector<int> cbMemChoices;  // the CB memory channel list, for a CB memory row
};

// A record the panel shows, and whether it is a CB memory record.
struct ShownRecord {
    ChannelRecord record;
    bool cbMemoryRow = false;
};

class DetailsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DetailsPanel(QWidget* parent = nullptr);

    // Captions and list texts in the language; keeps every box's selection.
    void SetLanguage(int language);
    // Shows the record: selects every box's entry for its field and shows the rows that apply.
    void ShowRecord(const ChannelRecord& record, const DetailContext& context,
                    const QString& caption);
    // Shows several records at once: a box shows where it is shown for any of them, with the
    // value they share, or no entry where they differ; a pick then applies to all of them.
    void ShowRecords(const std::vector<ShownRecord>& records, const DetailContext& context,
                     const QString& caption);
    // Rebuilds the roger-beep and DTMF number lists, keeping the entries shown when still there.
    void SetRogerTones(const std::vector<int>& tones);
    void SetDtmfCodes(const std::vector<int>& codes);

    QComboBox* box(int box) const;

signals:
    // The user picked an entry; value is what the box stores (a position, a number, or
    // kCbMemEmpty for the CB memory channel list's "Off").
    void boxChosen(int box, int value);

private:
    struct Row {
        const DetailBox* desc;
        QLabel* label;
        QComboBox* combo;
        int value = 0;       // the stored value the box shows, kept across refills
        bool mixed = false;  // the records shown differ: the box shows no entry
    };
    void fillNumberList(const Row& row, const std::vector<int>& numbers);
    void applyPublic(bool publicOn);
    void showRow(Row& row, const std::vector<ShownRecord>& records, const DetailContext& context);
    // Shows `row.value`: its entry, or the value itself when the box has no entry for it.
    void showValue(const Row& row);

    std::vector<Row> rows_;
    std::map<int, std::size_t> byBox_;
    int language_ = kLanguageEnglish;
    std::vector<int> rogerTones_;
    std::vector<int> dtmfCodes_;
};

}  // namespace kv
