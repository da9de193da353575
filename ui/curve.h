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
// range of the SE axis, the point under the pointer and its read-out, the
// advice lines and how much each matters; the window only shows them.
#pragma once

#include "core/advice.h"
#include "core/sweep.h"
#include "ui/computation.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <string>
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
QString referenceModelName(const Computation& computation);

// The source, the materials and every input the case needs, with units:
// "场源：远场平面波　材料：铜　f = 1 MHz　l = 0.1 cm".
QString inputsLine(const Computation& computation);

// An advice item in plain Chinese: "警告：…", "提示：…".
QString adviceText(const Advice& item);

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

} // namespace shieldcalc::ui
