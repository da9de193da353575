#include "ui/solid_shield_form.h"

#include "core/sheet.h"
#include "ui/material_list.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    label("Lab1", {960, 480, 1812, 372}, "请输入下面的参数："),
    label("Lab2", {960, 1080, 1215, 495}, "频率f(MHZ):", "Text1"),
    textBox("Text1", {1920, 960, 1215, 375}, 0),
    label("Lab3", {3600, 1080, 1215, 495}, "壁厚l(cm):", "Text2")
        .withTip("屏蔽体金属板的厚度，单位为厘米(cm)。"),
    textBox("Text2", {4560, 960, 1215, 375}, 1),
    label("Lab4", {960, 1920, 1215, 495}, "屏蔽体的材料:", "Combo1"),
    comboBox("Combo1", {2160, 1880, 1300, 300}, 2, kChoosePrompt, kMaterialEntries),
    label("Lab6", {960, 2870, 2175, 495}, "源到屏蔽体的距离r(cm):", "Text3")
        .withTip("从场源到屏蔽体的距离，单位为厘米(cm)，远场平面波情况可不填。"),
    textBox("Text3", {3000, 2760, 1215, 375}, 3),
    commandButton("Comm1", {3000, 3840, 905, 480}, "返 回", 4),
    commandButton("Comm2", {4320, 3840, 905, 480}, "确 定", 5),
    commandButton("Comm4", {5640, 3840, 905, 480}, "退 出", 6),
};

constexpr FormSpec kForm{"Frmsub2", "实心屏蔽体的屏效计算", 6885, 4605, kControls};

constexpr const char* kMessageTitle = "实心屏蔽体的屏效计算";
constexpr std::array<MissingPrompt, 2> kPrompts{{
    {Needed::Always, "请输入参数!", kMessageTitle},
    {Needed::NearField, "请输入屏蔽体到场源的距离r!", kMessageTitle},
}};

// How the explanations of faults name the inputs.
constexpr std::array<InputWords, 4> kWords{{
    {kFrequencyKey, "频率f", "频率", unitName(SolidShieldInput::kFrequencyUnit).data()},
    {"l", "壁厚l", "壁厚", "cm"},
    {"r", "源到屏蔽体的距离r", "距离", "cm"},
    {"material", "屏蔽体的材料", "“屏蔽体的材料”", "一种金属"},
}};

constexpr CalculationDesign<SolidShieldInput, double> kDesign{
    kForm, CalculationKind::SolidShield, kSolidShieldFields, {}, kPrompts, kWords, solidShieldSE};

} // namespace

SolidShieldForm::SolidShieldForm(WindowHub& hub) : FieldForm(hub, kDesign) {}

} // namespace shieldcalc::ui
