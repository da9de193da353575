// SE against frequency for the calculation on screen, as the curve window
// shows it: plain data, no widgets.
//
// sweepCurve runs the engine's sweep of the computation over a band and keeps
// what the window draws: per frequency the handbook value and the reference
// model's, absent where the computation faulted (a gap, with the reason) or
// there is no model. The default band spans three decades below to three
// above the entered frequency. sweepCsv is the command line's --sweep output
// for the same inputs and band, byte for byte. The texts (the line of
// inputs, the advice, the reasons of faults) are in Chinese.
//
// What the window decides is decided here, over the same plain data: the
// range of the SE axis, the points drawn of each curve, the point under the
// pointer and its read-out, the advice lines and how much each matters; the
// window only shows them. sweepCurves sweeps all the curves the window asks
// for at once, on any thread, and can be stopped between curves.
//
// The closed box can be given slots in the wall the wave meets: the box-slot
// model (core/box_slot.h) of the same box and wall, swept over the same band
// and converted between the two calculations' frequency units as their input
// records declare them, with the box's resonances and what is wrong with a
// slot the model refuses.
#pragma once

#include "core/advice.h"
#include "core/box_slot.h"
#include "core/sweep.h"
#include "ui/computation.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace shieldcalc::ui {

inline constexpr int kDefaultCurvePoints = 401;

struct CurvePoint {
    float f = 0;                     // in the calculation's unit
    std::optional<double> handbook;  // absent where the computation faulted
    std::optional<double> reference; // absent where there is no model
    QString fault;                   // why the computation faulted; empty when it did not
};

using Curve = std::vector<CurvePoint>;

// The frequency entered, and its unit.
float enteredFrequency(const Computation& computation);
FrequencyUnit frequencyUnit(const Computation& computation);
QString unitText(FrequencyUnit unit); // "MHz", "kHz"

// Three decades below to three above the entered frequency, 401 points.
SweepGrid defaultBand(const Computation& computation);

// The band swept; throws SweepGridError when it cannot be formed.
Curve sweepCurve(const Computation& computation, const SweepGrid& band, bool reference = true);

// The computation with every material of the shield replaced by the listed
// metal at entry.
Computation withMaterial(const Computation& computation, ListIndex entry);
// The listed metal of the shield (both sheets of a double layer the same);
// kNoChoice when there is none.
ListIndex listedMaterial(const Computation& computation);

// The handbook and reference values at the entered frequency, and the
// engine's advice for them, warnings first.
struct PointResult {
    std::optional<double> handbook;
    std::optional<double> reference;
    std::vector<Advice> advice;
};
PointResult enteredPoint(const Computation& computation);

// The reference model's name, for the legend; empty where there is none.
// The coaxial loops of a magnetic source say how far behind the shield the
// receiving loop is: as far as the source is before it.
QString referenceModelName(const Computation& computation);

// The legend's entry of the reference model over curve: its name, and where
// it gives no value over part or all of the band, why. Empty where there is
// no model.
QString referenceLegend(const Computation& computation, const Curve& curve);

// The source, the materials and every input the case needs, with units:
// "场源：远场平面波　材料：铜　f = 1 MHz　l = 0.1 cm".
QString inputsLine(const Computation& computation);
// The parts of that line, one per input.
QStringList inputTexts(const Computation& computation);

// An advice item in plain Chinese: "警告：…", "提示：…".
QString adviceText(const Advice& item);
// The same after lead in place of its severity.
QString adviceText(const Advice& item, const QString& lead);

// The line under a result: the first warning at the entered point, after
// the reference value where there is one, pointing to the curve window;
// empty without a warning. Notes are left to the curve window.
QString resultWarning(const PointResult& entered);

// A line of the advice list, and how much it matters.
struct AdviceLine {
    Severity severity;
    QString text;

    friend bool operator==(const AdviceLine&, const AdviceLine&) = default;
};
// The lines of the advice list: first the stretches of the curve that fault,
// with their reason (warnings), then the advice at the entered point
// (warnings before notes); one note saying so when there is nothing to say.
std::vector<AdviceLine> adviceLines(const Curve& curve, const PointResult& entered,
                                    FrequencyUnit unit);

// How much of the values the SE axis shows.
enum class AxisExtent {
    Whole,    // from the lowest value to the highest
    Readable, // from 0, or the lowest value when it is negative, to the
              // highest but at most kReadableTop
};
// The top of a readable SE axis, in dB: above it the handbook formulas
// mean nothing a shield can show, and a thick wall would flatten every
// useful curve.
inline constexpr double kReadableTop = 300;

// The SE axis over the values drawn: from a multiple of the step at or below
// the lowest value the extent shows to one at or above the highest, the step
// about an eighth of the span, 1, 2 or 5 times a power of ten and at least
// 1 dB; at least one step. A readable axis ends at the highest multiple of
// the step at or below kReadableTop when values lie above that. Absent when
// there are no values.
struct ValueAxisRange {
    double bottom;
    double top;
    int ticks;        // lines across the plot, bottom and top included
    bool cut = false; // values lie above top, drawn at the top edge

    friend bool operator==(const ValueAxisRange&, const ValueAxisRange&) = default;
};
std::optional<ValueAxisRange> valueAxisRange(std::span<const double> values, AxisExtent extent);

// The labels of the axis's lines, bottom first: the values, and "> 300 dB"
// at the top of an axis that cuts values.
QStringList valueAxisLabels(const ValueAxisRange& range);

// A curve as drawn: each unbroken run of values, thinned to at most two
// points per pixel column of a logarithmic frequency axis from start to stop
// over columns columns: a column of more points keeps its lowest and its
// highest, in the order of frequency, so that no peak or notch is lost.
using Runs = std::vector<QList<QPointF>>;
Runs drawnRuns(const Curve& curve, std::optional<double> CurvePoint::*value, double start,
               double stop, int columns);

// What the window asks to be swept over band, for columns pixel columns.
struct CurveRequest {
    Computation computation;
    SweepGrid band;
    bool own = true;               // the computation's own curve and its reference model
    std::vector<ListIndex> metals; // the comparison metals
    int columns = 1;
};

// The curves of a request: the computation's own with every point (for the
// read-out) and as drawn, and each metal's as drawn.
struct CurveSet {
    Curve curve; // empty when not asked for
    Runs handbook;
    Runs reference;
    std::vector<std::pair<ListIndex, Runs>> metals;
};

// Sweeps what request asks, one curve after another, asking cancelled()
// before each: absent once it says so. Throws SweepGridError.
std::optional<CurveSet> sweepCurves(const CurveRequest& request,
                                    const std::function<bool()>& cancelled);

// The index of the point of curve (not empty, frequencies ascending) nearest
// to f on a logarithmic axis; halfway, the higher one.
std::size_t nearestPoint(const Curve& curve, double f);

// The read-out of a point: its frequency, the handbook value or why there is
// none, and with a model the reference value.
QString readoutText(const CurvePoint& point, FrequencyUnit unit, bool withReference);

// A number as typed: the shortest text that reads back as value, without an
// exponent from 1e-6 up to 1e10.
QString numberText(float value);

// A number for a reader: up to five significant digits.
QString approx(double value);

// The sweep table as CSV, as the command line's --sweep writes it.
std::string sweepCsv(const Computation& computation, const SweepGrid& band);

// A frequency given in one unit, in another.
double convertFrequency(double f, FrequencyUnit from, FrequencyUnit to);

// Slots in the closed box's wall, as typed beside its curve.
struct SlotEntry {
    float length = 0;           // L, along the box's length a, cm
    float width = 0;            // W, along its height h, cm
    std::optional<float> count; // N; absent: the model's default
    std::optional<float> depth; // p, from the slotted wall, cm; absent: the model's default
};

// The box-slot model's input for the closed box with the slots: the box's
// length a, width b (the depth behind the slots), height h and wall l, and
// its frequency in the model's unit.
BoxSlotInput slottedBox(const EnclosureInput& box, const SlotEntry& slot);

// The box-slot model at each frequency of band (given in bandUnit), point i
// of it at point i of the band; f in bandUnit. Throws SweepGridError, and
// BoxSlotRefused for inputs the model refuses.
struct SlotPoint {
    float f = 0;                 // in the band's unit
    std::optional<BoxSlotSE> se; // absent where the computation faulted
    QString fault;               // why it faulted; empty when it did not
};
using SlotCurve = std::vector<SlotPoint>;
SlotCurve sweepSlot(const BoxSlotInput& slot, const SweepGrid& band, FrequencyUnit bandUnit);

// The first three resonances of the empty box, ascending, in unit.
std::array<double, 3> boxResonances(const BoxSlotInput& slot, FrequencyUnit unit);

// The band to show once slots are entered: with its top at twice the first
// resonance when the top lies below that resonance, so that the resonance
// shows; the band as it is otherwise.
SweepGrid bandForSlot(const SweepGrid& band, double firstResonance);

// What is wrong with slots the model refuses, naming the input to correct:
// "孔长 L（40 cm）不能大于机箱的长 a（30 cm）。"
QString slotProblem(const BoxSlotRefusal& refusal);

// The read-out of the box-slot model at a point: both values in their
// seven-character display, or why there are none.
QString slotReadoutText(const SlotPoint& point);

} // namespace shieldcalc::ui
