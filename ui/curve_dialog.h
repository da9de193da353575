// The curve window: SE against frequency for the calculation on screen.
//
// Opened from the result window, modal over it, with the input record and
// field source the result was computed with. It sweeps a band (by default
// three decades either side of the entered frequency, 401 points) and draws
// the handbook curve solid, the reference model dashed where there is one,
// a marker at the entered frequency, gaps where a point faults; a line of
// the inputs above, the band fields, the read-out under the pointer, one
// check box per listed metal for comparison curves and the advice list
// below. A band that cannot be formed is told beside its fields and the last
// good curve stays. The data export is the command line's --sweep CSV of the
// same inputs and band; the picture goes to PNG or SVG, once or twice the
// size on screen, or to the clipboard. A file that cannot be written is told
// in a message; nothing on screen changes. Closing ("关 闭", Esc, the close
// box) changes nothing anywhere. F1 shows About, as in every window.
#pragma once

#include "ui/computation.h"
#include "ui/curve.h"

#include <QDialog>

#include <array>
#include <optional>

class QChart;
class QChartView;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QValueAxis;
class QLogValueAxis;
class QLineSeries;

namespace shieldcalc::ui {

class WindowHub;

// Q_OBJECT, so that the tests find it by its type.
class CurveDialog final : public QDialog {
    Q_OBJECT

public:
    // band: the default band when absent.
    CurveDialog(WindowHub& hub, QWidget& over, const Computation& computation,
                const std::optional<SweepGrid>& band = std::nullopt);

    const Curve& curve() const { return curve_; }
    QChart& chart() const { return *chart_; }

    // The chart as a picture, scale times its size on screen.
    QImage picture(int scale) const;

    // Write the CSV or the picture (PNG, or SVG by a name ending in .svg);
    // false, after a message, when the file cannot be written.
    bool writeData(const QString& path);
    bool writePicture(const QString& path, int scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The parts of the window, each with the members it owns; the constructor
    // lays them out.
    QLabel* buildInputsLine();
    QChartView* buildChart();
    QGroupBox* buildMetals();
    QLabel* buildReadout();
    QHBoxLayout* buildBandRow();
    QListWidget* buildAdviceList();
    QHBoxLayout* buildButtons();

    // Reads the band fields and redraws; tells what is wrong with a band that
    // cannot be formed and keeps the curve.
    void applyBand();
    // The number in a band field; throws CalculationFailure with what is wrong.
    float bandNumber(const QLineEdit& field) const;
    // Sweeps band and draws everything; throws SweepGridError.
    void draw(const SweepGrid& band);
    void drawOverlays();
    // One series per unbroken run of values; only the first in the legend.
    void addRuns(const Curve& curve, std::optional<double> CurvePoint::*value, const QString& name,
                 const QPen& pen, const QString& objectName);
    void fitValueAxis();
    void showReadout(const QPointF& position);
    void exportData();
    void exportPicture();
    void copyPicture();
    // A file that could not be written, told over this window.
    void tellWriteError(const QString& path, const QString& reason, const QString& title);

    WindowHub& hub_;
    Computation computation_;
    FrequencyUnit unit_;
    PointResult entered_;
    SweepGrid band_;
    Curve curve_;

    QChart* chart_;
    QChartView* view_;
    QLogValueAxis* frequencyAxis_;
    QValueAxis* seAxis_;
    QLabel* readout_;
    QLineEdit* start_;
    QLineEdit* stop_;
    QLineEdit* points_;
    QLabel* bandMessage_;
    QListWidget* advice_;
    std::array<QCheckBox*, kMaterials.size()> overlays_{};
};

} // namespace shieldcalc::ui
