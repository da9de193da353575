#include "ui/about.h"

#include "core/version.h"

namespace shieldcalc::ui {

namespace {

constexpr const char* kName = "电磁兼容屏蔽效能计算";
constexpr const char* kLicence = "MIT 许可证";
constexpr const char* kAssumptions =
    "四种计算都用闭式工程公式估算，屏蔽材料都当作均匀的金属导体。实心板看作无限大平板，"
    "屏效为吸收损耗与反射损耗之和，吸收损耗低于 10 dB 时再加多次反射修正；开孔板把每个孔"
    "当作截止波导，并按单位面积的孔数、孔间导体宽度和相邻孔的耦合修正；双层板为两层各自的"
    "吸收与反射损耗再加上层间空隙的一项；长方体导体壳体用等体积的球壳代替，只对磁场源和电场源"
    "的近场计算，按壁厚与趋肤深度的比较选用薄壁或厚壁公式。结果是工程估算，不能代替测量。";

} // namespace

Message aboutMessage() {
    const QString text =
        QStringLiteral(
            "<h3>%1</h3><p>shieldcalc 版本 %2<br>%3</p><p>%4</p><p>计算结果的验证页面：<br>%5</p>")
            .arg(QString::fromUtf8(kName), QString::fromUtf8(kVersion), QString::fromUtf8(kLicence),
                 QString::fromUtf8(kAssumptions),
                 QString::fromUtf8(kValidationPage).toHtmlEscaped());
    return {QMessageBox::NoIcon, text, QStringLiteral("关于"), Qt::RichText};
}

} // namespace shieldcalc::ui
