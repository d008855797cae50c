// The drawing area of the roger-beep window: the shown tone as a bar graph, laid out in twips.
#pragma once

#include <QWidget>

#include "model/config_record.h"

namespace kv {

class ToneGraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit ToneGraphWidget(QWidget* parent = nullptr);

    void SetTone(const ToneRecord& tone);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ToneRecord tone_;
};

}  // namespace kv
