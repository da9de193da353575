#include "ui/enclosure_form.h"

#include "core/enclosure.h"
#include "ui/material_list.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    label("Lab1", {240, 120, 1815, 375}, "请输入下面的参数："),
    label("Lab2", {360, 840, 1215, 495}, "频率f(KHZ):", "Text1"),
    textBox("Text1", {1320, 720, 1215, 375}, 0),
    label("Lab3", {3000, 840, 1215, 495}, "壁厚l(cm):", "Text2")
        .withTip("壳体金属壁的厚度，单位为厘米(cm)。"),
    textBox("Text2", {3960, 720, 1215, 375}, 1),
    label("Lab4", {360, 1680, 1215, 495}, "屏蔽体的材料:", "Combo1"),
    comboBox("Combo1", {1560, 1635, 1300, 300}, 2, kChoosePrompt, kMaterialEntries),
    label("Label1", {360, 2520, 1695, 375}, "长方体的尺寸参数："),
    label("Label2", {2040, 2520, 735, 255}, "长a(cm)", "Text3")
        .withTip("长方体壳体的长度，单位为厘米(cm)。"),
    textBox("Text3", {2760, 2400, 735, 375}, 3),
    label("Label4", {3600, 2520, 735, 255}, "宽b(cm)", "Text4")
        .withTip("长方体壳体的宽度，单位为厘米(cm)。"),
    textBox("Text4", {4320, 2400, 735, 375}, 4),
    label("Label3", {5160, 2520, 735, 255}, "高h(cm)", "Text5")
        .withTip("长方体壳体的高度，单位为厘米(cm)。"),
    textBox("Text5", {5880, 2400, 735, 375}, 5),
    commandButton("Comm1", {2760, 3600, 905, 480}, "返 回", 6),
    commandButton("Comm2", {4200, 3600, 905, 480}, "确 定", 7),
    commandButton("Comm4", {5640, 3600, 905, 480}, "退 出", 8),
};

constexpr FormSpec kForm{"Frmsub7", "长方体导体壳体屏效计算", 6765, 4470, kControls};

constexpr std::array<MissingPrompt, 1> kPrompts{{
    {Needed::Always, "请输入参数!", "长方体导体壳体屏效计算"},
}};

// How the explanations of faults name the inputs.
constexpr std::array<InputWords, 6> kWords{{
    {kFrequencyKey, "频率f", "频率", unitName(EnclosureInput::kFrequencyUnit).data()},
    {"l", "壁厚l", "壁厚", "cm"},
    {"a", "长方体的长a", "长度", "cm"},
    {"b", "长方体的宽b", "宽度", "cm"},
    {"h", "长方体的高h", "高度", "cm"},
    {"material", "屏蔽体的材料", "“屏蔽体的材料”", "一种金属"},
}};

constexpr CalculationDesign<EnclosureInput, float> kDesign{
    kForm, CalculationKind::EnclosureShield, kEnclosureFields, {}, kPrompts, kWords, enclosureSE};

} // namespace

EnclosureForm::EnclosureForm(WindowHub& hub) : FieldForm(hub, kDesign) {}

} // namespace shieldcalc::ui
