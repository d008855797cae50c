// View → Band Map: the band drawn with its plan's segments and every channel of the group shown
// (or of all groups) as a mark coloured by mode. Hovering a mark names the channel, a click opens
// it in the channel window; the marks that do not fit their segment are listed beside the map.
// The map prints and exports as PNG and SVG.
#pragma once

#include <QDialog>
#include <QWidget>

#include "editors/channels/band_map.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;

namespace kv {

class EditorHost;
struct ShellContext;

// The drawing, with hover and click on the marks.
class BandMapView : public QWidget {
    Q_OBJECT
public:
    explicit BandMapView(QWidget* parent = nullptr);
    void SetModel(const BandMapModel* model, int language);
    // The mark under a point of the view; -1 when there is none.
    int MarkAt(const QPointF& point) const;
    // The mark the keys stand on (Left and Right move it, Enter opens it); -1 for none.
    int CurrentMark() const { return current_; }
    QSize sizeHint() const override;

signals:
    void markHovered(int index, const QPoint& globalPos);
    void markClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const BandMapModel* model_ = nullptr;
    int current_ = -1;
    int language_ = 1;
};

class BandMapWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the band and group given (group 0: all groups). Deletes itself when closed.
    BandMapWindow(ShellContext& context, EditorHost& host, int band, int group,
                  QWidget* parent = nullptr);

    const BandMapModel& Model() const { return model_; }
    // Opens mark `index` in the channel window.
    void OpenMark(int index);
    // The drawing as a picture of the given size, a PNG file's bytes or an SVG file's bytes.
    QImage RenderImage(const QSize& size) const;
    QByteArray PngBytes() const;
    QByteArray SvgBytes() const;
    // Draws the map on a printer's page.
    void PrintOn(QPrinter& printer) const;
    // The commands of the buttons: a printer chosen in the print window, a file chosen through
    // the host's file window.
    void Print();
    void ExportPng();
    void ExportSvg();

protected:
    // A language chosen while the window is open shows when the window is next activated.
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void fillGroups();
    void retranslate();
    void exportTo(const char* pattern, const char* suffix, const QByteArray& bytes);
    int language() const;

    ShellContext& context_;
    EditorHost& host_;
    BandMapModel model_;
    QLabel* bandLabel_ = nullptr;
    QComboBox* bandBox_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QComboBox* groupBox_ = nullptr;
    QLabel* regionLabel_ = nullptr;
    QComboBox* regionBox_ = nullptr;
    BandMapView* view_ = nullptr;
    QLabel* flaggedLabel_ = nullptr;
    QListWidget* flagged_ = nullptr;
    std::vector<int> flaggedMarks_;  // the mark each line of the flagged list stands for
    QLabel* outside_ = nullptr;
    int shownLanguage_ = 0;
};

}  // namespace kv

namespace kv {

// View → Band Map: connects the host's menu item; the window opens on the band and group the
// channel window shows, in place of the one opened before. Lives as a child of the host's widget.
void ConnectBandMapCommand(ShellContext& context, EditorHost& host);

}  // namespace kv
