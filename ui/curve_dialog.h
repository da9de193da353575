// The curve window: SE against frequency for the calculation on screen.
//
// Opened from the result window, modal over it, with the input record and
// field source the result was computed with. It sweeps a band (by default
// three decades either side of the entered frequency, 401 points) and draws
// the handbook curve solid, the reference model dashed where there is one,
// a marker at the entered frequency, gaps where a point faults. The SE axis
// runs from 0 to the highest value but at most 300 dB, its top labelled as a
// cut when values lie above, which the curves draw up to; "完整范围" shows the
// whole range. A line of the inputs above, the band fields, the read-out
// under the pointer, one check box per listed metal for comparison curves and
// the advice list below. Sweeps run on a worker thread, so the window answers
// while they run: one running longer than a moment shows "正在计算…", a newer
// band or metal supersedes it, and its curves are never drawn. A curve is
// drawn with at most two points per pixel column, the lowest and highest of
// each; the read-out and the exports keep every point. A band that cannot be
// formed is told under its fields, as plain text wrapped to the window's
// width, and the last good curve stays. The data
// export is the command line's --sweep CSV of the same inputs and band; the
// picture goes to PNG, JPEG or SVG, as its name's extension says, once or
// twice the size on screen, or to the clipboard; the report, with the
// inputs, both results, the advice, the chart and the models, to an A4 PDF
// (ui/report.h). A name typed without an
// extension gets the chosen one, and replacing a file of the final name is
// asked first. A file that cannot be written is told in a message that quotes
// its name shortened and with invisible characters shown; nothing on screen
// changes. Closing ("关 闭", Esc, the close box) changes nothing anywhere. F1
// shows About, as in every window.
//
// The closed box's window has a group "开孔" beside the chart: slots of
// length L and width W in the wall the wave meets, how many (N) and the depth
// p of the point inside (the wall is the form's l). Once L and W are given
// and the box-slot model accepts them, the chart adds the model's electric
// and magnetic SE over the band, the box's first three resonances as
// labelled vertical lines, and the read-out both values. The first time
// slots are shown, a band that ends below the first resonance is extended to
// twice it. Slots the model refuses are told under the group, as plain text,
// and the chart shows none.
#pragma once

#include "ui/computation.h"
#include "ui/curve.h"

#include <QDialog>
#include <QFutureWatcher>

#include <array>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class QCategoryAxis;
class QLogValueAxis;
class QLineSeries;
class QScatterSeries;

namespace shieldcalc::ui {

class WindowHub;

// Q_OBJECT, so that the tests find it by its type.
class CurveDialog final : public QDialog {
    Q_OBJECT

public:
    // band: the default band when absent.
    CurveDialog(WindowHub& hub, QWidget& over, const Computation& computation,
                const std::optional<SweepGrid>& band = std::nullopt);

    // Every point of the computation's curve as drawn; empty before the first
    // sweep ends.
    const Curve& curve() const { return curve_; }
    // Whether curves asked for are still being swept.
    bool sweeping() const { return pending_ != nullptr; }
    QChart& chart() const { return *chart_; }

    // The chart as a picture, scale times its size on screen.
    QImage picture(int scale) const;

    // Write the CSV or the picture, in the format its name's extension says
    // (PNG, JPEG, SVG, or another that Qt's image writers know); false, after a
    // message, when the file cannot be written or the name says no picture
    // format.
    bool writeData(const QString& path);
    bool writePicture(const QString& path, int scale);
    // Write the report of the curve on screen as an A4 PDF (ui/report.h);
    // false, after a message, when the file cannot be written.
    bool writeReport(const QString& path);

signals:
    // The curves asked for last are drawn.
    void curvesDrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The parts of the window, each with the members it owns; the constructor
    // lays them out.
    QLabel* buildInputsLine();
    QChartView* buildChart();
    QGroupBox* buildMetals();
    QLabel* buildReadout();
    QVBoxLayout* buildBand();
    QListWidget* buildAdviceList();
    QHBoxLayout* buildButtons();
    QVBoxLayout* buildSlot();

    // Reads the band fields and redraws; tells what is wrong with a band that
    // cannot be formed and keeps the curve.
    void applyBand();
    // Tells what is wrong with the band under its fields; empty: nothing.
    void showBandProblem(const QString& problem);
    // The number in a band field; throws CalculationFailure with what is wrong.
    float bandNumber(const QLineEdit& field) const;
    // Asks for the curves of band: the computation's own unless band is the
    // one drawn, and each checked metal's not yet swept for it. They are swept
    // off this thread; a newer request supersedes an older one, whose curves
    // are never drawn. Throws SweepGridError before anything changes.
    void request(const SweepGrid& band);
    // Takes the curves a sweep ended with, unless a newer request superseded it.
    void receive(QFutureWatcher<std::optional<CurveSet>>& watcher);
    // Puts the curves held on the chart.
    void drawSeries();
    // Draws runs in the series named objectName, one per unbroken run, only
    // the first in the legend; series already there take the new points, so
    // that the chart lays out only what changed.
    void setRuns(const Runs& runs, const QString& name, const QPen& pen, const QString& objectName);
    // The advice list for the curve drawn.
    void showAdvice();
    // Pixel columns across the plot, each drawn with at most two points.
    int columns() const;
    // Reads the slot fields and redraws the box-slot curves; tells what is
    // wrong with slots that cannot be computed and shows none.
    void applySlot();
    // The slots as typed; absent while L or W is empty. Throws
    // CalculationFailure for a text that is not a number.
    std::optional<SlotEntry> slotEntry() const;
    // The box-slot curves and resonance lines of slot_ over band_, replacing
    // the last; none without slots.
    void drawSlot();
    // Puts the resonance lines where their frequencies are on the chart.
    void placeResonances();
    void fitValueAxis();
    void showReadout(const QPointF& position);
    // A way to save an export: its entry in the file dialog, the extension
    // it gives a name without one, and the picture's scale.
    struct SaveChoice {
        QString filter;
        QString suffix;
        int scale;
    };
    // Asks for the name of an export among the choices: the name, and the
    // index of the choice; an empty name when the user cancels. The dialog
    // adds the chosen extension to a name without one before it asks whether
    // to replace a file, so that it asks about the name that is written.
    std::pair<QString, std::size_t> askFileName(const QString& title, const QString& proposed,
                                                std::span<const SaveChoice> choices);
    void exportData();
    void exportPicture();
    void copyPicture();
    void exportReport();
    // A file that could not be written, told over this window.
    void tellWriteError(const QString& path, const QString& reason, const QString& title);

    WindowHub& hub_;
    Computation computation_;
    FrequencyUnit unit_;
    PointResult entered_;
    SweepGrid band_;      // the band drawn
    SweepGrid requested_; // the band asked for last
    Curve curve_;
    // The curves drawn over band_: the computation's own, and each metal's
    // once swept.
    Runs handbook_;
    Runs reference_;
    std::array<std::optional<Runs>, kMaterials.size()> metals_;
    // The sweep of the last request while it runs; null when there is none.
    QFutureWatcher<std::optional<CurveSet>>* pending_ = nullptr;
    // Shows busy_ once a sweep has run for a moment.
    QTimer* busyDelay_;

    QChart* chart_;
    QChartView* view_;
    QLogValueAxis* frequencyAxis_;
    QCategoryAxis* seAxis_;
    std::optional<ValueAxisRange> axisRange_; // as the SE axis shows it
    // The series of each curve on the chart, by object name; the marker of
    // the entered frequency while it is in the band.
    std::map<QString, std::vector<QLineSeries*>> series_;
    QScatterSeries* marker_ = nullptr;
    QCheckBox* wholeRange_;
    QLabel* readout_;
    QLineEdit* start_;
    QLineEdit* stop_;
    QLineEdit* points_;
    QLabel* bandMessage_;
    QWidget* busy_;
    QListWidget* advice_;
    std::array<QCheckBox*, kMaterials.size()> overlays_{};

    // The closed box's slots: the fields of the group, the message under it,
    // the model's input once the fields describe slots it accepts, and its
    // curve over the band. slotShown_: slots have been drawn once.
    std::array<QLineEdit*, 4> slotFields_{}; // L, W, N, p
    QLabel* slotMessage_ = nullptr;
    std::optional<BoxSlotInput> slot_;
    SlotCurve slotCurve_;
    bool slotShown_ = false;
    // One line and its label per resonance drawn, with its frequency.
    struct ResonanceMark {
        double f;
        QGraphicsLineItem* line;
        QGraphicsSimpleTextItem* label;
    };
    std::vector<ResonanceMark> resonances_;
};

} // namespace shieldcalc::ui
