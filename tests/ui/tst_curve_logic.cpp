// What the curve window decides, checked over plain data without a window:
// the range of the SE axis, the point nearest the pointer on the logarithmic
// frequency axis, the read-out, and the advice lines with their severity;
// the closed box with slots: its input, band, resonances and refusals.
#include "ui/curve.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

using namespace shieldcalc;
using shieldcalc::ui::Curve;
using shieldcalc::ui::CurvePoint;

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<shieldcalc::Advice>)

namespace {

Curve curveAt(const std::vector<float>& frequencies) {
    Curve curve;
    for (const float f : frequencies) {
        curve.push_back({.f = f, .handbook = 40.0, .reference = 41.0, .fault = {}});
    }
    return curve;
}

// Whether step is 1, 2 or 5 times a power of ten, to within rounding.
bool isRoundStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double fraction = step / power;
    return std::abs(fraction - 1) < 1e-9 || std::abs(fraction - 2) < 1e-9 ||
           std::abs(fraction - 5) < 1e-9 || std::abs(fraction - 10) < 1e-9;
}

} // namespace

class CurveLogicTest : public QObject {
    Q_OBJECT

private slots:
    void valueAxisRange_data();
    void valueAxisRange();
    void valueAxisRangeHoldsEveryValueInRoundSteps();
    void readableAxis_data();
    void readableAxis();
    void readableAxisCutsOnlyAbove300();
    void axisLabels_data();
    void axisLabels();
    void thinningKeepsEachColumnsLowestAndHighest();
    void sparseCurvesAreDrawnWhole();
    void nearestPointOnTheLogAxis_data();
    void nearestPointOnTheLogAxis();
    void readoutOfAFaultedPoint();
    void adviceLinesCarryTheirSeverity();
    void noAdviceIsOneNote();
    void slotCurveMeetsPublishedFigures();
    void resonancesAndTheBandThatShowsThem();
    void refusedSlotsNameTheInput();
    void resultWarning_data();
    void resultWarning();
    void referenceLegendSaysWhyThereIsNone();
};

void CurveLogicTest::valueAxisRange_data() {
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("ticks");
    // Worked by hand: step = 1, 2 or 5 x 10^k at or above an eighth of the span, at least 1.
    QTest::newRow("one value: one 1 dB step around it")
        << std::vector<double>{47.8} << 47.0 << 48.0 << 2;
    QTest::newRow("one whole value: still one step")
        << std::vector<double>{50.0} << 50.0 << 51.0 << 2;
    QTest::newRow("span 70.95: steps of 10")
        << std::vector<double>{-3.2, 67.75} << -10.0 << 70.0 << 9;
    QTest::newRow("span 16: steps of 2") << std::vector<double>{20.0, 36.0} << 20.0 << 36.0 << 9;
    QTest::newRow("span 30: steps of 5") << std::vector<double>{0.0, 30.0} << 0.0 << 30.0 << 7;
    QTest::newRow("span 1000: steps of 200")
        << std::vector<double>{0.0, 1000.0} << 0.0 << 1000.0 << 6;
    QTest::newRow("below 0 only") << std::vector<double>{-12.5, -3.0} << -14.0 << -2.0 << 7;
    QTest::newRow("in any order") << std::vector<double>{67.75, 10.0, 40.0} << 10.0 << 70.0 << 7;
}

void CurveLogicTest::valueAxisRange() {
    QFETCH(std::vector<double>, values);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, ticks);
    const auto range = ui::valueAxisRange(values, ui::AxisExtent::Whole);
    QVERIFY(range.has_value());
    QCOMPARE(range->bottom, bottom);
    QCOMPARE(range->top, top);
    QCOMPARE(range->ticks, ticks);
    QVERIFY(!ui::valueAxisRange({}, ui::AxisExtent::Whole).has_value());
}

void CurveLogicTest::valueAxisRangeHoldsEveryValueInRoundSteps() {
    // Spans from a hundredth of a decibel to a million, at offsets either side of 0.
    for (double span = 0.01; span < 1e6; span *= 1.37) {
        for (const double low : {-250.3, -0.7, 0.0, 13.1, 119.9}) {
            const std::vector<double> values{low, low + span};
            const auto range = ui::valueAxisRange(values, ui::AxisExtent::Whole);
            QVERIFY(range.has_value());
            const int intervals = range->ticks - 1;
            const double step = (range->top - range->bottom) / intervals;
            const QByteArray what = QByteArray::number(low) + " + " + QByteArray::number(span);
            QVERIFY2(range->bottom <= low && range->top >= low + span, what);
            QVERIFY2(intervals >= 1 && intervals <= 10, what);
            QVERIFY2(step >= 1 - 1e-9 && isRoundStep(step), what);
        }
    }
}

void CurveLogicTest::readableAxis_data() {
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("cut");
    // Worked by hand as above, over the span from min(0, lowest) to min(300, highest).
    QTest::newRow("positive values: from 0")
        << std::vector<double>{47.8} << 0.0 << 50.0 << 6 << false;
    QTest::newRow("exactly 300: nothing cut")
        << std::vector<double>{12.0, 300.0} << 0.0 << 300.0 << 7 << false;
    QTest::newRow("a thick iron box: 0 to 300 in 50s, cut")
        << std::vector<double>{85.0, 16000.0} << 0.0 << 300.0 << 7 << true;
    QTest::newRow("every value above 300")
        << std::vector<double>{900.0, 16000.0} << 0.0 << 300.0 << 7 << true;
    QTest::newRow("negative lowest, cut")
        << std::vector<double>{-20.0, 310.0} << -50.0 << 300.0 << 8 << true;
    QTest::newRow("below 0 only: as the whole range")
        << std::vector<double>{-12.5, -3.0} << -14.0 << -2.0 << 7 << false;
    // Span 5300: steps of 1000, so the top falls to the multiple below 300.
    QTest::newRow("far below 0: top at the step below 300")
        << std::vector<double>{-5000.0, 1e6} << -5000.0 << 0.0 << 6 << true;
}

void CurveLogicTest::readableAxis() {
    QFETCH(std::vector<double>, values);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, ticks);
    QFETCH(bool, cut);
    const auto range = ui::valueAxisRange(values, ui::AxisExtent::Readable);
    QVERIFY(range.has_value());
    QCOMPARE(range->bottom, bottom);
    QCOMPARE(range->top, top);
    QCOMPARE(range->ticks, ticks);
    QCOMPARE(range->cut, cut);
    QVERIFY(!ui::valueAxisRange({}, ui::AxisExtent::Readable).has_value());
}

void CurveLogicTest::readableAxisCutsOnlyAbove300() {
    for (double span = 0.01; span < 1e6; span *= 1.37) {
        for (const double low : {-250.3, -0.7, 0.0, 13.1, 119.9}) {
            const std::vector<double> values{low + span, low};
            const auto readable = ui::valueAxisRange(values, ui::AxisExtent::Readable);
            const auto whole = ui::valueAxisRange(values, ui::AxisExtent::Whole);
            QVERIFY(readable.has_value() && whole.has_value());
            const QByteArray what = QByteArray::number(low) + " + " + QByteArray::number(span);
            QVERIFY2(readable->bottom <= std::min(0.0, low) && readable->top <= 300, what);
            QVERIFY2(readable->cut == (low + span > readable->top), what);
            QVERIFY2(readable->cut == (low + span > 300), what);
            QVERIFY2(!whole->cut && whole->top >= low + span, what);
        }
    }
}

void CurveLogicTest::axisLabels_data() {
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("cut at 300") << 0.0 << 300.0 << 4 << true
                                << QStringList{"0", "100", "200", "> 300 dB"};
    QTest::newRow("not cut") << -0.5 << 1.0 << 4 << false << QStringList{"-0.5", "0", "0.5", "1"};
    QTest::newRow("tenths add up to whole labels")
        << 0.0 << 0.7 << 8 << false
        << QStringList{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"};
}

void CurveLogicTest::axisLabels() {
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, ticks);
    QFETCH(bool, cut);
    QFETCH(QStringList, labels);
    QCOMPARE(ui::valueAxisLabels({.bottom = bottom, .top = top, .ticks = ticks, .cut = cut}),
             labels);
}

void CurveLogicTest::thinningKeepsEachColumnsLowestAndHighest() {
    // 100,000 points over six decades: a slow wave, a spike and a notch one
    // point wide, and a gap of ten faulted points.
    constexpr int n = 100000;
    constexpr int columns = 700;
    Curve curve(n);
    for (int i = 0; i < n; ++i) {
        CurvePoint& p = curve[std::size_t(i)];
        p.f = float(1e-3 * std::pow(10.0, 6.0 * i / (n - 1)));
        p.handbook = i == 12345 ? 500.0 : i == 54321 ? -80.0 : 40 + 10 * std::sin(i * 1e-3);
    }
    for (int i = 70000; i < 70010; ++i) {
        curve[std::size_t(i)].handbook.reset();
    }
    const ui::Runs runs = ui::drawnRuns(curve, &CurvePoint::handbook, 1e-3, 1e3, columns);
    QCOMPARE(runs.size(), std::size_t(2));
    // Each point's column, counted independently on the decimal logarithm.
    const auto columnOf = [](double f) {
        return std::clamp(int(std::floor(std::log10(f / 1e-3) / 6 * columns)), 0, columns - 1);
    };
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const auto [first, last] = r == 0 ? std::pair{0, 70000} : std::pair{70010, n};
        std::map<int, std::pair<double, double>> expected; // column: lowest, highest
        for (int i = first; i < last; ++i) {
            const double v = *curve[std::size_t(i)].handbook;
            auto [it, added] = expected.try_emplace(columnOf(curve[std::size_t(i)].f), v, v);
            it->second = {std::min(it->second.first, v), std::max(it->second.second, v)};
        }
        std::map<int, std::vector<double>> drawn;
        for (const QPointF& p : runs[r]) {
            drawn[columnOf(p.x())].push_back(p.y());
        }
        QCOMPARE(drawn.size(), expected.size());
        for (const auto& [column, values] : drawn) {
            QVERIFY(values.size() <= 2);
            QCOMPARE(*std::ranges::min_element(values), expected[column].first);
            QCOMPARE(*std::ranges::max_element(values), expected[column].second);
        }
        QVERIFY(std::ranges::is_sorted(runs[r], {}, &QPointF::x));
    }
}

void CurveLogicTest::sparseCurvesAreDrawnWhole() {
    // 401 points over six decades on 700 columns: at most one a column.
    Curve curve(401);
    QList<QPointF> all;
    for (int i = 0; i < 401; ++i) {
        curve[std::size_t(i)].f = float(std::pow(10.0, -3 + 6.0 * i / 400));
        curve[std::size_t(i)].reference = i % 7;
        all.append(QPointF(curve[std::size_t(i)].f, i % 7));
    }
    const ui::Runs runs = ui::drawnRuns(curve, &CurvePoint::reference, 1e-3, 1e3, 700);
    QCOMPARE(runs.size(), std::size_t(1));
    QCOMPARE(runs.front(), all);
    QVERIFY(ui::drawnRuns(curve, &CurvePoint::handbook, 1e-3, 1e3, 700).empty());
}

void CurveLogicTest::nearestPointOnTheLogAxis_data() {
    QTest::addColumn<std::vector<float>>("frequencies");
    QTest::addColumn<double>("f");
    QTest::addColumn<int>("nearest");
    const std::vector<float> decades{1, 10, 100};
    QTest::newRow("below the first") << decades << 0.5 << 0;
    QTest::newRow("just below sqrt(10)") << decades << 3.1 << 0;
    QTest::newRow("just above sqrt(10)") << decades << 3.2 << 1;
    // On a linear axis 5 is nearer to 1 than to 10.
    QTest::newRow("nearer on the log axis, not the linear") << decades << 5.0 << 1;
    QTest::newRow("on a point") << decades << 10.0 << 1;
    QTest::newRow("just below sqrt(1000)") << decades << 31.0 << 1;
    QTest::newRow("just above sqrt(1000)") << decades << 32.0 << 2;
    QTest::newRow("beyond the last") << decades << 1000.0 << 2;
    QTest::newRow("halfway: the higher") << std::vector<float>{1, 4} << 2.0 << 1;
    QTest::newRow("a single point") << std::vector<float>{7} << 1e6 << 0;
}

void CurveLogicTest::nearestPointOnTheLogAxis() {
    QFETCH(std::vector<float>, frequencies);
    QFETCH(double, f);
    QFETCH(int, nearest);
    QCOMPARE(ui::nearestPoint(curveAt(frequencies), f), std::size_t(nearest));
}

void CurveLogicTest::readoutOfAFaultedPoint() {
    const CurvePoint faulted{.f = 2.5f, .handbook = {}, .reference = {}, .fault = "溢出"};
    QCOMPARE(ui::readoutText(faulted, FrequencyUnit::kHz, true),
             QStringLiteral("f = 2.5 kHz　手册公式无法计算：溢出　参考模型无法计算"));
    const CurvePoint computed{.f = 1000, .handbook = 67.75312, .reference = {}, .fault = {}};
    QCOMPARE(ui::readoutText(computed, FrequencyUnit::MHz, false),
             QStringLiteral("f = 1000 MHz　手册公式 67.753 dB"));
}

void CurveLogicTest::adviceLinesCarryTheirSeverity() {
    Curve curve = curveAt({1, 2, 3, 4, 5, 6});
    for (const int i : {1, 2, 4}) {
        curve[std::size_t(i)].handbook.reset();
        curve[std::size_t(i)].fault = i < 4 ? QStringLiteral("甲") : QStringLiteral("乙");
    }
    ui::PointResult entered;
    entered.advice = {
        {AdviceCode::ReferenceDiffers, Severity::Warning, {70, 62, 8}},
        {AdviceCode::BoxOpeningsIgnored, Severity::Note, {}},
    };
    const std::vector<ui::AdviceLine> expected{
        {Severity::Warning,
         QStringLiteral("警告：2 kHz 至 3 kHz 之间的 2 个频点无法计算（曲线在此断开）：甲")},
        {Severity::Warning,
         QStringLiteral("警告：5 kHz 至 5 kHz 之间的 1 个频点无法计算（曲线在此断开）：乙")},
        {Severity::Warning, QStringLiteral("警告：手册公式比参考模型高 8 dB，两者相差超过6 dB。")},
        {Severity::Note,
         QStringLiteral("提示：封闭壳体模型未考虑开口和缝隙；可在“开孔”一栏输入开孔尺寸。")},
    };
    QCOMPARE(ui::adviceLines(curve, entered, FrequencyUnit::kHz), expected);
}

void CurveLogicTest::noAdviceIsOneNote() {
    const std::vector<ui::AdviceLine> expected{
        {Severity::Note, QStringLiteral("在输入频率处没有需要注意的地方。")}};
    QCOMPARE(ui::adviceLines(curveAt({1, 2}), {}, FrequencyUnit::MHz), expected);
}

// A box 30 cm long (a), 30 cm wide (b) and 12 cm high (h), its wall 1.5 mm.
constexpr EnclosureInput kBox{.f = 100000, .l = 0.15f, .a = 30, .b = 30, .h = 12, .material = 0};

void CurveLogicTest::slotCurveMeetsPublishedFigures() {
    // Robinson et al. (1998)'s box, slot 20 x 3 cm in a 1.5 mm wall, point
    // left out (the middle): SE_E / SE_H 57.93 / 23.21 dB at 10 MHz, 37.55 /
    // 22.95 at 100 MHz. The band is in the closed box's kHz.
    const ui::SlotCurve curve =
        ui::sweepSlot(ui::slottedBox(kBox, {.length = 20, .width = 3, .count = {}, .depth = {}}),
                      {.start = 10000, .stop = 100000, .points = 2}, FrequencyUnit::kHz);
    const double expected[2][3] = {{10000, 57.93, 23.21}, {100000, 37.55, 22.95}};
    QCOMPARE(curve.size(), std::size_t(2));
    for (std::size_t i = 0; i < 2; ++i) {
        QCOMPARE(curve[i].f, static_cast<float>(expected[i][0]));
        QVERIFY(curve[i].se.has_value());
        QVERIFY(std::abs(curve[i].se->electric - expected[i][1]) < 0.05);
        QVERIFY(std::abs(curve[i].se->magnetic - expected[i][2]) < 0.05);
    }
}

void CurveLogicTest::resonancesAndTheBandThatShowsThem() {
    // (c / 2) sqrt((m/a)^2 + (n/h)^2 + (p/b)^2) in kHz: TE101, TE102 = TE201,
    // TE011 = TE110.
    const auto mode = [](int m, int n, int p) {
        return 299792458.0 / 2 * std::hypot(m / 0.30, n / 0.12, p / 0.30) / 1e3;
    };
    const auto resonances = ui::boxResonances(
        ui::slottedBox(kBox, {.length = 10, .width = 0.5f, .count = {}, .depth = {}}),
        FrequencyUnit::kHz);
    const double expected[3] = {mode(1, 0, 1), mode(1, 0, 2), mode(0, 1, 1)};
    for (std::size_t i = 0; i < 3; ++i) {
        QVERIFY(std::abs(resonances[i] / expected[i] - 1) < 1e-6);
    }
    // A band ending below the first resonance ends at twice it; one that
    // reaches it is kept.
    for (const float stop : {100000.0f, 706599.0f, 706600.0f, 1e8f}) {
        const SweepGrid shown = ui::bandForSlot({.start = 100, .stop = stop, .points = 57}, 706600);
        QCOMPARE(shown.stop, stop < 706600 ? 1413200.0f : stop);
        QCOMPARE(shown.start, 100.0f);
        QCOMPARE(shown.points, 57);
    }
}

void CurveLogicTest::refusedSlotsNameTheInput() {
    QCOMPARE(ui::slotProblem({BoxSlotProblem::LongerThanBox, "slot_length", 40, 30}),
             QStringLiteral("孔长 L（40 cm）不能大于机箱的长 a（30 cm）。"));
    QCOMPARE(ui::slotProblem({BoxSlotProblem::OutsideBox, "point", 30, 30}),
             QStringLiteral("观测点深度 p（30 cm）必须不小于0且小于机箱的宽 b（30 cm）。"));
    // A count has no unit.
    QCOMPARE(ui::slotProblem({BoxSlotProblem::NotWholeCount, "slots", 1.5f, 0}),
             QStringLiteral("孔数 N（1.5）必须是不小于1的整数。"));
}

void CurveLogicTest::resultWarning_data() {
    QTest::addColumn<std::optional<double>>("reference");
    QTest::addColumn<std::vector<Advice>>("advice");
    QTest::addColumn<QString>("line");
    const Advice differs{AdviceCode::ReferenceDiffers, Severity::Warning, {70.5, 62.5, 8}};
    const Advice negative{AdviceCode::NegativeSE, Severity::Warning, {-3}};
    const Advice note{AdviceCode::BoxOpeningsIgnored, Severity::Note, {}};
    QTest::newRow("notes only: no line")
        << std::optional<double>(62.5) << std::vector<Advice>{note} << QString();
    QTest::newRow("nothing: no line")
        << std::optional<double>() << std::vector<Advice>{} << QString();
    QTest::newRow("the warning after a note, with the reference")
        << std::optional<double>(62.5) << std::vector<Advice>{note, differs}
        << QStringLiteral("参考模型 62.5 dB：手册公式比参考模型高 8 dB，两者相差超过6 dB。"
                          "（见频率特性）");
    QTest::newRow("the first of two warnings, no reference")
        << std::optional<double>() << std::vector<Advice>{negative, differs}
        << QStringLiteral("屏效低于0 dB（-3 dB），已超出公式的适用范围。（见频率特性）");
}

void CurveLogicTest::resultWarning() {
    QFETCH(std::optional<double>, reference);
    QFETCH(std::vector<Advice>, advice);
    QFETCH(QString, line);
    QCOMPARE(ui::resultWarning({.handbook = 70.5, .reference = reference, .advice = advice}), line);
}

void CurveLogicTest::referenceLegendSaysWhyThereIsNone() {
    // Circular holes 5 mm across, cut off at 1.8412 c / (pi D).
    const ApertureInput holes{
        .shape = 1, .material = 5, .l = 0.1f, .f = 1e5f, .D = 0.5f, .a = 0.2f, .b = 0.3f, .n = 1};
    const double cutoffKHz = 1.8412 * 299792458.0 / (std::numbers::pi * 0.005) / 1e3;
    Curve partly = curveAt({1e5f, 1e8f});
    partly[1].reference.reset();
    QCOMPARE(ui::referenceLegend({holes, FieldSource::PlaneWave}, partly),
             QStringLiteral("参考模型：小孔阵列（%1 kHz 以上不适用：高于孔的截止频率）")
                 .arg(QString::number(cutoffKHz, 'g', 5)));
    QCOMPARE(ui::referenceLegend({holes, FieldSource::PlaneWave}, curveAt({1e5f, 1e6f})),
             QStringLiteral("参考模型：小孔阵列"));
    Curve none = curveAt({1e5f, 1e6f});
    for (CurvePoint& p : none) {
        p.reference.reset();
    }
    QCOMPARE(ui::referenceLegend({holes, FieldSource::MagneticSource}, none),
             QStringLiteral("参考模型：小孔阵列（不适用：只用于平面波）"));
    // The loops of a magnetic source: the receiver as far behind as the source is before.
    const SolidShieldInput sheet{.f = 1, .l = 0.01f, .r = 30, .material = 0};
    QCOMPARE(ui::referenceLegend({sheet, FieldSource::MagneticSource}, curveAt({1, 2})),
             QStringLiteral("参考模型：同轴环路（接收环在屏蔽体后 30 cm）"));
}

QTEST_GUILESS_MAIN(CurveLogicTest)
#include "tst_curve_logic.moc"
