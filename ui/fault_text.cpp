#include "ui/fault_text.h"

#include "core/message_text.h"

#include <QLocale>

#include <algorithm>

namespace shieldcalc::ui {

namespace {

QString kindText(FaultKind kind) {
    switch (kind) {
    case FaultKind::DivisionByZero:
        return QStringLiteral("出现了除以零");
    case FaultKind::ZeroByZero:
        return QStringLiteral("出现了零除以零");
    case FaultKind::Overflow:
        return QStringLiteral("数值大到无法表示");
    case FaultKind::SingleRangeExceeded:
        return QStringLiteral("数值超出了单精度数的范围");
    case FaultKind::LogOfNonPositive:
        return QStringLiteral("要对零或负数取对数");
    case FaultKind::SqrtOfNegative:
        return QStringLiteral("要对负数开平方");
    case FaultKind::UndefinedPower:
        return QStringLiteral("遇到了没有实数值的乘方");
    case FaultKind::NonFiniteInput:
        return QStringLiteral("遇到了不是有限数的输入");
    }
    return {};
}

QString quantityText(Quantity quantity) {
    switch (quantity) {
    case Quantity::Input:
        return QStringLiteral("输入参数");
    case Quantity::AbsorptionLoss:
        return QStringLiteral("吸收损耗A");
    case Quantity::ReflectionLoss:
        return QStringLiteral("反射损耗R");
    case Quantity::SheetImpedance:
        return QStringLiteral("屏蔽体的阻抗Zs");
    case Quantity::WaveImpedance:
        return QStringLiteral("波阻抗Zw");
    case Quantity::ImpedanceRatio:
        return QStringLiteral("阻抗比K");
    case Quantity::ReflectionCoefficient:
        return QStringLiteral("反射系数");
    case Quantity::MultipleReflectionCorrection:
        return QStringLiteral("多次反射修正B");
    case Quantity::SourceDistance:
        return QStringLiteral("源到第二层板的距离");
    case Quantity::GapCorrection:
        return QStringLiteral("两层板间的修正项");
    case Quantity::HoleAttenuation:
        return QStringLiteral("孔的衰减A");
    case Quantity::Wavelength:
        return QStringLiteral("波长");
    case Quantity::HoleRatio:
        return QStringLiteral("孔的反射比值k");
    case Quantity::HoleReflection:
        return QStringLiteral("孔的反射项R");
    case Quantity::HoleMultipleReflection:
        return QStringLiteral("孔的多次反射项B");
    case Quantity::HoleCountCorrection:
        return QStringLiteral("孔数修正");
    case Quantity::SkinDepthFactor:
        return QStringLiteral("趋肤深度因子");
    case Quantity::ConductorWidthCorrection:
        return QStringLiteral("孔间导体宽度修正");
    case Quantity::CouplingCorrection:
        return QStringLiteral("孔间耦合修正");
    case Quantity::FrequencyInHertz:
        return QStringLiteral("以Hz计的频率");
    case Quantity::DimensionsInMetres:
        return QStringLiteral("以m计的尺寸");
    case Quantity::SkinDepth:
        return QStringLiteral("趋肤深度");
    case Quantity::EquivalentRadius:
        return QStringLiteral("等效球半径");
    case Quantity::WallDistance:
        return QStringLiteral("等效球半径与壁厚之差");
    case Quantity::StaticFactor:
        return QStringLiteral("静态屏蔽因子");
    case Quantity::EddyCurrentTerm:
        return QStringLiteral("涡流项");
    case Quantity::ElectricTerm:
        return QStringLiteral("电场项");
    case Quantity::SlotLineImpedance:
        return QStringLiteral("缝隙线特性阻抗");
    case Quantity::ApertureImpedance:
        return QStringLiteral("开孔阻抗");
    case Quantity::CavityField:
        return QStringLiteral("机箱内观测点的场");
    case Quantity::ShieldingEffectiveness:
        return QStringLiteral("屏效");
    }
    return {};
}

QString sheetText(int sheet) {
    switch (sheet) {
    case 1:
        return QStringLiteral("第一层板的");
    case 2:
        return QStringLiteral("第二层板的");
    default:
        return {};
    }
}

} // namespace

CalculationFailure::CalculationFailure(const QString& explanation, const char* box)
    : std::runtime_error(explanation.toStdString()), box_(box) {}

QString CalculationFailure::explanation() const {
    return QString::fromUtf8(what());
}

QString conversionFailureText(const QString& boxLabel, const QString& text,
                              NumberFormatError::Reason reason) {
    const QString quoted = QString::fromStdString(textForMessage(text.trimmed().toStdString()));
    switch (reason) {
    case NumberFormatError::Reason::Blank:
        return QStringLiteral("“%1”一栏中只有空格，不是一个数。\n请输入一个数，例如 1.5。")
            .arg(boxLabel);
    case NumberFormatError::Reason::NotANumber:
        return QStringLiteral("“%1”一栏中的“%2”不是一个数。\n"
                              "请输入一个数，例如 1.5、0.001 或 1e-3。")
            .arg(boxLabel, quoted);
    case NumberFormatError::Reason::OutOfRange:
        return QStringLiteral("“%1”一栏中的“%2”超出了可以计算的数的范围。\n"
                              "请输入一个绝对值小于 3.4e38 的数。")
            .arg(boxLabel, quoted);
    case NumberFormatError::Reason::AmbiguousGrouping:
        return QStringLiteral("“%1”一栏中的“%2”有歧义：其中的“.”也可能是千位分隔符。\n"
                              "请不带分隔符输入，例如 1000；小数请用“%3”，例如 %4。")
            .arg(boxLabel, quoted, QLocale().decimalPoint(),
                 u'1' + QLocale().decimalPoint() + u'5');
    }
    return {};
}

QString faultText(const ArithmeticFault& fault) {
    return QStringLiteral("计算%1%2时%3，得不到结果。\n请检查输入的参数。")
        .arg(sheetText(fault.sheet()), quantityText(fault.quantity()), kindText(fault.kind()));
}

namespace {

QString noChoiceText(const InputWords& list) {
    return QStringLiteral("没有选择%1，无法计算。\n请在%2中选择%3。")
        .arg(QString::fromUtf8(list.name), QString::fromUtf8(list.noun),
             QString::fromUtf8(list.unit));
}

QString caseText(CauseCase where) {
    switch (where) {
    case CauseCase::Always:
        return {};
    case CauseCase::NearField:
        return QStringLiteral("近场情况下");
    case CauseCase::MultipleReflection:
        return QStringLiteral("多次反射修正B");
    case CauseCase::GapCorrection:
        return QStringLiteral("两层板间的修正项");
    case CauseCase::ElectricThinWall:
        return QStringLiteral("电场源的近场情况下");
    }
    return {};
}

QString notPositiveText(const InputWords& input, float value, CauseCase where) {
    const QString advice =
        input.unit != nullptr
            ? QStringLiteral("请输入大于0的%1（单位%2）。")
                  .arg(QString::fromUtf8(input.noun), QString::fromUtf8(input.unit))
            : QStringLiteral("请输入大于0的%1。").arg(QString::fromUtf8(input.noun));
    return QStringLiteral("%1为%2，%3无法计算。\n%4")
        .arg(QString::fromUtf8(input.name),
             value == 0 ? QStringLiteral("0") : QStringLiteral("负数"), caseText(where), advice);
}

QString negativeText(const InputWords& input) {
    const QString advice =
        input.unit != nullptr
            ? QStringLiteral("请输入不小于0的%1（单位%2）。")
                  .arg(QString::fromUtf8(input.noun), QString::fromUtf8(input.unit))
            : QStringLiteral("请输入不小于0的%1。").arg(QString::fromUtf8(input.noun));
    return QStringLiteral("%1为负数，无法计算。\n%2").arg(QString::fromUtf8(input.name), advice);
}

} // namespace

QString faultExplanation(const ArithmeticFault& fault, const std::optional<FaultCause>& cause,
                         std::span<const InputWords> words) {
    if (!cause) {
        return faultText(fault);
    }
    const auto input = std::ranges::find(words, cause->input, &InputWords::key);
    Q_ASSERT(input != words.end()); // every form has words for each of its inputs
    if (input == words.end()) {
        return faultText(fault);
    }
    switch (cause->kind) {
    case CauseKind::NothingChosen:
        return noChoiceText(*input);
    case CauseKind::NotPositive:
        return notPositiveText(*input, cause->value, cause->where);
    case CauseKind::Negative:
        return negativeText(*input);
    case CauseKind::WallReachesCentre:
        return QStringLiteral("壁厚l不小于长方体的等效球半径，厚壁公式无法计算。\n"
                              "请检查壁厚和长方体的尺寸。");
    case CauseKind::WallFarBeyondSkinDepth:
        return QStringLiteral("壁厚l比趋肤深度大得太多，屏效超出了可以计算的范围。\n"
                              "请检查壁厚和频率。");
    }
    return faultText(fault);
}

} // namespace shieldcalc::ui
