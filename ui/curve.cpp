#include "ui/curve.h"

#include "core/calculations.h"
#include "core/reference.h"
#include "core/result_text.h"
#include "core/shielding.h"
#include "io/json.h"
#include "io/sweep_table.h"
#include "ui/fault_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <sstream>

namespace shieldcalc::ui {

namespace {

QString sourceName(SourceChoice source) {
    if (!source) {
        return QStringLiteral("未选择");
    }
    switch (*source) {
    case FieldSource::PlaneWave:
        return QStringLiteral("远场平面波");
    case FieldSource::MagneticSource:
        return QStringLiteral("低阻磁场源");
    case FieldSource::ElectricSource:
        return QStringLiteral("高阻抗电场源的近场");
    }
    return {};
}

QString materialName(const MaterialChoice& material) {
    if (material.entry >= 0 && static_cast<std::size_t>(material.entry) < kMaterials.size()) {
        return QString::fromUtf8(kMaterials[static_cast<std::size_t>(material.entry)].listText)
            .remove(u'-');
    }
    if (material.custom) {
        return QStringLiteral("σr = %1，μr = %2")
            .arg(approx(material.custom->sigmaR), approx(material.custom->muR));
    }
    return QStringLiteral("未选择");
}

} // namespace

float enteredFrequency(const Computation& computation) {
    return std::visit([](const auto& input) { return input.f; }, computation.input);
}

FrequencyUnit frequencyUnit(const Computation& computation) {
    return std::visit(
        [](const auto& input) { return std::decay_t<decltype(input)>::kFrequencyUnit; },
        computation.input);
}

QString unitText(FrequencyUnit unit) {
    const std::string_view name = unitName(unit);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

SweepGrid defaultBand(const Computation& computation) {
    const float f = enteredFrequency(computation);
    return {.start = f / 1000, .stop = f * 1000, .points = kDefaultCurvePoints};
}

Curve sweepCurve(const Computation& computation, const SweepGrid& band, bool reference) {
    return std::visit(
        [&](const auto& input) {
            const auto points =
                sweep(input, computation.source, band, {.reference = reference, .advice = false});
            Curve curve(points.size());
            for (std::size_t i = 0; i < points.size(); ++i) {
                const auto& from = points[i];
                CurvePoint& to = curve[i];
                to.f = from.f;
                if (from.se) {
                    to.handbook = *from.se;
                } else if (from.fault) {
                    to.fault = faultText(*from.fault).remove(u'\n');
                }
                to.reference = from.reference;
            }
            return curve;
        },
        computation.input);
}

Computation withMaterial(const Computation& computation, ListIndex entry) {
    Computation changed = computation;
    std::visit(
        [entry](auto& input) {
            if constexpr (std::is_same_v<std::decay_t<decltype(input)>, DoubleLayerInput>) {
                input.material1 = entry;
                input.material2 = entry;
            } else {
                input.material = entry;
            }
        },
        changed.input);
    return changed;
}

ListIndex listedMaterial(const Computation& computation) {
    return std::visit(
        [](const auto& input) -> ListIndex {
            if constexpr (std::is_same_v<std::decay_t<decltype(input)>, DoubleLayerInput>) {
                return input.material1 == input.material2 && !input.material1.custom
                           ? input.material1.entry
                           : kNoChoice;
            } else {
                return input.material.custom ? kNoChoice : input.material.entry;
            }
        },
        computation.input);
}

PointResult enteredPoint(const Computation& computation) {
    return std::visit(
        [&](const auto& input) {
            PointResult point;
            try {
                point.handbook = calculationOf<std::decay_t<decltype(input)>>().compute(
                    input, computation.source);
            } catch (const ArithmeticFault&) {
                // The result window shows only computed results; nothing to advise on.
            }
            point.reference = referenceSE(input, computation.source);
            point.advice =
                validityAdvice(input, computation.source, {point.handbook, point.reference});
            return point;
        },
        computation.input);
}

QString referenceModelName(const Computation& computation) {
    // The window leaves the receiver where the engine puts it by default: as
    // far behind the shield as the source is before it.
    const auto loops = [](float distance) {
        return QStringLiteral("参考模型：同轴环路（接收环在屏蔽体后 %1 cm）")
            .arg(numberText(distance));
    };
    const bool loop = computation.source == FieldSource::MagneticSource;
    if (const auto* sheet = std::get_if<SolidShieldInput>(&computation.input)) {
        return loop ? loops(sheet->r) : QStringLiteral("参考模型：导电平板精确解");
    }
    if (const auto* layers = std::get_if<DoubleLayerInput>(&computation.input)) {
        return loop ? loops(layers->r1) : QStringLiteral("参考模型：双层板链矩阵");
    }
    if (std::holds_alternative<ApertureInput>(computation.input)) {
        return QStringLiteral("参考模型：小孔阵列");
    }
    if (std::holds_alternative<EnclosureInput>(computation.input)) {
        return computation.source == FieldSource::ElectricSource
                   ? QStringLiteral("参考模型：准静态导体球壳")
                   : QStringLiteral("参考模型：薄壁球壳");
    }
    return {};
}

QString inputsLine(const Computation& computation) {
    return inputTexts(computation).join(QStringLiteral("　"));
}

QStringList inputTexts(const Computation& computation) {
    return std::visit(
        [&](const auto& input) {
            using Input = std::decay_t<decltype(input)>;
            const auto& calculation = calculationOf<Input>();
            QStringList parts{QStringLiteral("场源：") + sourceName(computation.source)};
            ListIndex shape = kNoChoice;
            for (const Field<Input>& field : calculation.fields) {
                switch (field.kind()) {
                case FieldKind::Shape:
                    shape = input.*field.shape;
                    parts.append(QStringLiteral("孔形：") +
                                 (shape == static_cast<ListIndex>(HoleShape::RectangularHole)
                                      ? QStringLiteral("矩形孔")
                                  : shape == static_cast<ListIndex>(HoleShape::CircularHole)
                                      ? QStringLiteral("圆形孔")
                                      : QStringLiteral("未选择")));
                    break;
                case FieldKind::Material:
                    parts.append((field.key == "material2"   ? QStringLiteral("第二层材料：")
                                  : field.key == "material1" ? QStringLiteral("第一层材料：")
                                                             : QStringLiteral("材料：")) +
                                 materialName(input.*field.material));
                    break;
                case FieldKind::Number:
                    if (groupApplies(field.needed, computation.source, shape)) {
                        QString part = QString::fromUtf8(field.key.data(),
                                                         static_cast<qsizetype>(field.key.size())) +
                                       QStringLiteral(" = ") + numberText(input.*field.number);
                        if (!field.unit.empty()) {
                            part +=
                                u' ' + QString::fromUtf8(field.unit.data(),
                                                         static_cast<qsizetype>(field.unit.size()));
                        }
                        parts.append(part);
                    }
                    break;
                }
            }
            return parts;
        },
        computation.input);
}

QString numberText(float value) {
    return QString::fromStdString(io::plainShortestText(value));
}

QString approx(double value) {
    return QString::number(value, 'g', 5);
}

QString adviceText(const Advice& item) {
    return adviceText(item, item.severity == Severity::Warning ? QStringLiteral("警告：")
                                                               : QStringLiteral("提示："));
}

QString adviceText(const Advice& item, const QString& lead) {
    const auto& v = item.values;
    switch (item.code) {
    case AdviceCode::NegativeSE:
        return lead +
               QStringLiteral("屏效低于0 dB（%1 dB），已超出公式的适用范围。").arg(approx(v[0]));
    case AdviceCode::ReferenceDiffers:
        return lead + QStringLiteral("手册公式比参考模型%1 %2 dB，两者相差超过6 dB。")
                          .arg(v[2] > 0 ? QStringLiteral("高") : QStringLiteral("低"),
                               approx(std::abs(v[2])));
    case AdviceCode::FarFromSource:
        return lead + QStringLiteral("场源距离大于λ/2π（%1 cm > %2 cm），这里应按远场平面波计算。")
                          .arg(approx(v[0]), approx(v[1]));
    case AdviceCode::LowAbsorption:
        return lead + QStringLiteral("磁场源且吸收损耗只有 %1 dB，反射损耗的估计偏于乐观。")
                          .arg(approx(v[0]));
    case AdviceCode::HoleNotSmall:
        return lead + QStringLiteral("孔的尺寸（%1 cm）达到或超过四分之一波长（%2 cm）。")
                          .arg(approx(v[0]), approx(v[1]));
    case AdviceCode::NearHoleCutoff:
        return lead + QStringLiteral("频率（%1 kHz）高于孔的波导截止频率的一半（%2 kHz）。")
                          .arg(approx(v[0]), approx(v[1]));
    case AdviceCode::HoleReferenceNearField:
        return lead + QStringLiteral("孔阵参考模型只适用于平面波，近场源没有参考值。");
    case AdviceCode::HoleReferenceNotSquare:
        return lead +
               QStringLiteral("孔阵参考模型只适用于圆孔和方孔（w² = %1 cm²，孔面积 %2 cm²），"
                              "没有参考值。")
                   .arg(approx(v[0] * v[0]), approx(v[1]));
    case AdviceCode::HoleReferenceAboveCutoff:
        return lead + QStringLiteral("频率（%1 kHz）不低于孔的波导截止频率（%2 kHz），"
                                     "孔阵参考模型不适用。")
                          .arg(approx(v[0]), approx(v[1]));
    case AdviceCode::BeyondMeasurement:
        return lead + QStringLiteral("屏效超过120 dB（%1 dB），超出测量所能证实的范围；"
                                     "实际屏蔽体的缝隙和开口起主要作用。")
                          .arg(approx(v[0]));
    case AdviceCode::IronPermeabilityFixed:
        return lead +
               QStringLiteral("铁的相对磁导率在此频段固定为 %1，不随场强变化，也不考虑饱和。")
                   .arg(approx(v[0]));
    case AdviceCode::BoxOpeningsIgnored:
        return lead + QStringLiteral("封闭壳体模型未考虑开口和缝隙；可在“开孔”一栏输入开孔尺寸。");
    case AdviceCode::NearCavityResonance:
        return lead + QStringLiteral("接近机箱谐振（%1 MHz，屏效 %2 dB）：实际机箱中的内部物体"
                                     "和壁面损耗会限制谷深。")
                          .arg(approx(v[1]), approx(v[0]));
    case AdviceCode::BeyondSingleMode:
        return lead + QStringLiteral("频率（%1 MHz）高于机箱下一个模式的截止频率（%2 MHz），"
                                     "单模模型不再适用。")
                          .arg(approx(v[0]), approx(v[1]));
    case AdviceCode::LongSlot:
        return lead + QStringLiteral("孔长（%1 cm）达到或超过半波长（%2 cm），孔本身会谐振。")
                          .arg(approx(v[0]), approx(v[1]));
    }
    return lead;
}

QString resultWarning(const PointResult& entered) {
    const auto warning = std::ranges::find(entered.advice, Severity::Warning, &Advice::severity);
    if (warning == entered.advice.end()) {
        return {};
    }
    const QString reference =
        entered.reference ? QStringLiteral("参考模型 %1 dB：").arg(approx(*entered.reference))
                          : QString();
    return adviceText(*warning, reference) + QStringLiteral("（见频率特性）");
}

std::vector<AdviceLine> adviceLines(const Curve& curve, const PointResult& entered,
                                    FrequencyUnit unit) {
    std::vector<AdviceLine> lines;
    // Each stretch of faulting points, with the reason of its first point.
    for (std::size_t i = 0; i < curve.size();) {
        if (curve[i].fault.isEmpty()) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < curve.size() && !curve[end].fault.isEmpty()) {
            ++end;
        }
        lines.push_back(
            {Severity::Warning,
             QStringLiteral("警告：%1 %2 至 %3 %2 之间的 %4 个频点无法计算（曲线在此断开）：%5")
                 .arg(approx(curve[i].f), unitText(unit), approx(curve[end - 1].f))
                 .arg(end - i)
                 .arg(curve[i].fault)});
        i = end;
    }
    for (const Advice& item : entered.advice) {
        lines.push_back({item.severity, adviceText(item)});
    }
    if (lines.empty()) {
        lines.push_back({Severity::Note, QStringLiteral("在输入频率处没有需要注意的地方。")});
    }
    return lines;
}

std::optional<ValueAxisRange> valueAxisRange(std::span<const double> values, AxisExtent extent) {
    if (values.empty()) {
        return std::nullopt;
    }
    const auto [lowest, highest] = std::ranges::minmax_element(values);
    const bool readable = extent == AxisExtent::Readable;
    const double low = readable ? std::min(0.0, *lowest) : *lowest;
    const double high = readable ? std::min(kReadableTop, *highest) : *highest;
    // About eight steps of 1, 2 or 5 times a power of ten, at least 1 dB.
    const double raw = std::max(1.0, (high - low) / 8);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
    const double bottom = std::floor(low / step) * step;
    double top = std::max(std::ceil(high / step) * step, bottom + step);
    if (readable && top > kReadableTop) {
        top = std::max(std::floor(kReadableTop / step) * step, bottom + step);
    }
    return ValueAxisRange{.bottom = bottom,
                          .top = top,
                          .ticks = static_cast<int>(std::lround((top - bottom) / step)) + 1,
                          .cut = *highest > top};
}

QStringList valueAxisLabels(const ValueAxisRange& range) {
    QStringList labels;
    const double step = (range.top - range.bottom) / (range.ticks - 1);
    for (int i = 0; i < range.ticks; ++i) {
        // Computed from the bottom each time, so that no rounding piles up.
        const double value = i + 1 == range.ticks ? range.top : range.bottom + i * step;
        labels.append(approx(value == 0 ? 0.0 : value)); // never "-0"
    }
    if (range.cut) {
        labels.back() = QStringLiteral("> %1 dB").arg(labels.back());
    }
    return labels;
}

Runs drawnRuns(const Curve& curve, std::optional<double> CurvePoint::*value, double start,
               double stop, int columns) {
    const double logStart = std::log(start);
    const double perLog = columns / (std::log(stop) - logStart);
    const auto columnOf = [&](const CurvePoint& p) {
        return std::clamp(static_cast<int>(std::floor((std::log(p.f) - logStart) * perLog)), 0,
                          columns - 1);
    };
    const auto has = [&](const CurvePoint& p) {
        return (p.*value).has_value();
    };
    const auto pointOf = [&](const CurvePoint& p) {
        return QPointF(p.f, *(p.*value));
    };
    Runs runs;
    for (auto run = std::find_if(curve.begin(), curve.end(), has); run != curve.end();
         run = std::find_if(run, curve.end(), has)) {
        const auto end = std::find_if_not(run, curve.end(), has);
        QList<QPointF>& drawn = runs.emplace_back();
        for (auto first = run; first != end;) {
            const int column = columnOf(*first);
            const auto last = std::find_if(
                first, end, [&](const CurvePoint& p) { return columnOf(p) != column; });
            if (last - first <= 2) {
                std::transform(first, last, std::back_inserter(drawn), pointOf);
            } else {
                const auto [low, high] =
                    std::minmax_element(first, last, [&](const CurvePoint& a, const CurvePoint& b) {
                        return *(a.*value) < *(b.*value);
                    });
                drawn.append(pointOf(*std::min(low, high)));
                if (low != high) {
                    drawn.append(pointOf(*std::max(low, high)));
                }
            }
            first = last;
        }
        run = end;
    }
    return runs;
}

std::optional<CurveSet> sweepCurves(const CurveRequest& request,
                                    const std::function<bool()>& cancelled) {
    CurveSet set;
    const auto& band = request.band;
    if (request.own) {
        if (cancelled()) {
            return std::nullopt;
        }
        set.curve = sweepCurve(request.computation, band);
        set.handbook =
            drawnRuns(set.curve, &CurvePoint::handbook, band.start, band.stop, request.columns);
        set.reference =
            drawnRuns(set.curve, &CurvePoint::reference, band.start, band.stop, request.columns);
    }
    for (const ListIndex metal : request.metals) {
        if (cancelled()) {
            return std::nullopt;
        }
        const Curve curve = sweepCurve(withMaterial(request.computation, metal), band, false);
        set.metals.emplace_back(
            metal, drawnRuns(curve, &CurvePoint::handbook, band.start, band.stop, request.columns));
    }
    return set;
}

std::size_t nearestPoint(const Curve& curve, double f) {
    auto next = std::ranges::lower_bound(curve, f, std::less<>(), &CurvePoint::f);
    if (next == curve.end()) {
        --next;
    } else if (next != curve.begin() && std::log(f / std::prev(next)->f) < std::log(next->f / f)) {
        --next;
    }
    return static_cast<std::size_t>(next - curve.begin());
}

QString readoutText(const CurvePoint& point, FrequencyUnit unit, bool withReference) {
    QString text = QStringLiteral("f = %1 %2　").arg(approx(point.f), unitText(unit));
    text += point.handbook ? QStringLiteral("手册公式 %1 dB").arg(approx(*point.handbook))
                           : QStringLiteral("手册公式无法计算：") + point.fault;
    if (withReference) {
        text += point.reference ? QStringLiteral("　参考模型 %1 dB").arg(approx(*point.reference))
                                : QStringLiteral("　参考模型无法计算");
    }
    return text;
}

std::string sweepCsv(const Computation& computation, const SweepGrid& band) {
    return std::visit(
        [&](const auto& input) {
            std::ostringstream out;
            io::writeSweep(calculationOf<std::decay_t<decltype(input)>>(), input,
                           computation.source, band, false, out);
            return out.str();
        },
        computation.input);
}

QString referenceLegend(const Computation& computation, const Curve& curve) {
    const QString name = referenceModelName(computation);
    const auto holes = std::get_if<ApertureInput>(&computation.input);
    const bool some =
        std::ranges::any_of(curve, [](const CurvePoint& p) { return p.reference.has_value(); });
    if (name.isEmpty() || holes == nullptr ||
        std::ranges::all_of(curve, [](const CurvePoint& p) { return p.reference.has_value(); })) {
        return name;
    }
    // The hole array: for the plane wave, round or square holes, below their cut-off.
    const std::optional<HoleArrayLimit> limit = holeArrayLimit(*holes, computation.source);
    if (limit == HoleArrayLimit::NearField) {
        return name + QStringLiteral("（不适用：只用于平面波）");
    }
    if (limit == HoleArrayLimit::NotSquare) {
        return name + QStringLiteral("（不适用：矩形孔不是方孔）");
    }
    const auto shape = static_cast<HoleShape>(holes->shape);
    const double cutoff =
        holeCutoffHertz(shape, shape == HoleShape::CircularHole ? holes->D : holes->w) /
        inHertz(1, ApertureInput::kFrequencyUnit);
    const QString at = approx(cutoff) + u' ' + unitText(ApertureInput::kFrequencyUnit);
    if (some) {
        return name + QStringLiteral("（%1 以上不适用：高于孔的截止频率）").arg(at);
    }
    return curve.empty() || curve.front().f < cutoff
               ? name + QStringLiteral("（无法计算）")
               : name + QStringLiteral("（不适用：频段不低于孔的截止频率 %1）").arg(at);
}

double convertFrequency(double f, FrequencyUnit from, FrequencyUnit to) {
    return f * inHertz(1, from) / inHertz(1, to);
}

BoxSlotInput slottedBox(const EnclosureInput& box, const SlotEntry& slot) {
    BoxSlotInput input{
        .f = static_cast<float>(
            convertFrequency(box.f, EnclosureInput::kFrequencyUnit, BoxSlotInput::kFrequencyUnit)),
        .a = box.a,
        .h = box.h,
        .b = box.b,
        .slotLength = slot.length,
        .slotWidth = slot.width,
        .l = box.l,
    };
    // What is left out is the model's own default, from the inputs given.
    const auto fallback = [&input](std::string_view key) {
        return findField<BoxSlotInput>(kBoxSlotFields, key)->fallback(input);
    };
    input.slotCount = slot.count ? *slot.count : fallback("slots");
    input.point = slot.depth ? *slot.depth : fallback("point");
    return input;
}

SlotCurve sweepSlot(const BoxSlotInput& slot, const SweepGrid& band, FrequencyUnit bandUnit) {
    constexpr FrequencyUnit modelUnit = BoxSlotInput::kFrequencyUnit;
    SweepGrid grid = band;
    grid.start = static_cast<float>(convertFrequency(band.start, bandUnit, modelUnit));
    grid.stop = static_cast<float>(convertFrequency(band.stop, bandUnit, modelUnit));
    const auto points =
        sweep(slot, FieldSource::PlaneWave, grid, {.reference = false, .advice = false});
    SlotCurve curve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& from = points[i];
        SlotPoint& to = curve[i];
        to.f = static_cast<float>(convertFrequency(from.f, modelUnit, bandUnit));
        if (from.se) {
            to.se = from.se->se;
        } else if (from.fault) {
            to.fault = faultText(*from.fault).remove(u'\n');
        }
    }
    return curve;
}

std::array<double, 3> boxResonances(const BoxSlotInput& slot, FrequencyUnit unit) {
    static_assert(BoxSlotInput::kFrequencyUnit == FrequencyUnit::MHz,
                  "the engine gives the resonances in MHz");
    std::array<double, 3> resonances = cavityResonancesMHz(slot);
    for (double& f : resonances) {
        f = convertFrequency(f, FrequencyUnit::MHz, unit);
    }
    return resonances;
}

SweepGrid bandForSlot(const SweepGrid& band, double firstResonance) {
    SweepGrid shown = band;
    if (band.stop < firstResonance) {
        shown.stop = static_cast<float>(2 * firstResonance);
    }
    return shown;
}

QString slotProblem(const BoxSlotRefusal& refusal) {
    // The inputs of the model by key, as the curve window and the closed
    // box's form name them.
    static const std::array<std::pair<std::string_view, const char*>, 9> names{{
        {kFrequencyKey, "频率 f"},
        {"a", "机箱的长 a"},
        {"h", "机箱的高 h"},
        {"b", "机箱的宽 b"},
        {"slot_length", "孔长 L"},
        {"slot_width", "孔宽 W"},
        {"slots", "孔数 N"},
        {"l", "壁厚 l"},
        {"point", "观测点深度 p"},
    }};
    const auto name =
        std::ranges::find(names, refusal.input, &std::pair<std::string_view, const char*>::first);
    const QString input =
        name == names.end()
            ? QString::fromUtf8(refusal.input.data(), static_cast<qsizetype>(refusal.input.size()))
            : QString::fromUtf8(name->second);
    const Field<BoxSlotInput>* field = findField<BoxSlotInput>(kBoxSlotFields, refusal.input);
    const QString unit = field == nullptr || field->unit.empty()
                             ? QString()
                             : u' ' + QString::fromUtf8(field->unit.data(),
                                                        static_cast<qsizetype>(field->unit.size()));
    const QString value = QStringLiteral("%1（%2%3）").arg(input, numberText(refusal.value), unit);
    const QString limit = numberText(refusal.limit) + unit;
    switch (refusal.problem) {
    case BoxSlotProblem::NotFinite:
        return input + QStringLiteral("必须是有限的数。");
    case BoxSlotProblem::NotPositive:
        return value + QStringLiteral("必须大于0。");
    case BoxSlotProblem::Negative:
        return value + QStringLiteral("不能小于0。");
    case BoxSlotProblem::NotWholeCount:
        return value + QStringLiteral("必须是不小于1的整数。");
    case BoxSlotProblem::LongerThanBox:
        return value + QStringLiteral("不能大于机箱的长 a（%1）。").arg(limit);
    case BoxSlotProblem::NotNarrowerThanBox:
        return value + QStringLiteral("必须小于机箱的高 h（%1）。").arg(limit);
    case BoxSlotProblem::OutsideBox:
        return value + QStringLiteral("必须不小于0且小于机箱的宽 b（%1）。").arg(limit);
    case BoxSlotProblem::WallTooThick:
        return value + QStringLiteral("相对孔宽 W（%1）太厚，开孔模型不适用。").arg(limit);
    }
    return value;
}

QString slotReadoutText(const SlotPoint& point) {
    // As the command line's box-slot displays them.
    const auto display = [](double value) {
        return QString::fromStdString(resultText(value)).trimmed();
    };
    return point.se ? QStringLiteral("开孔机箱 电场屏效 %1 dB　磁场屏效 %2 dB")
                          .arg(display(point.se->electric), display(point.se->magnetic))
                    : QStringLiteral("开孔机箱无法计算：") + point.fault;
}

} // namespace shieldcalc::ui
