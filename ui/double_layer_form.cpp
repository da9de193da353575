#include "ui/double_layer_form.h"

#include "core/double_layer.h"
#include "ui/material_list.h"

#include <array>

namespace shieldcalc::ui {

namespace {

// The two material labels are one label array Lab4: element 1 names the first
// sheet's list, element 0 the second's.
constexpr std::array kControls{
    label("Lab1", {240, 240, 1560, 180}, "请输入下列参数："),
    label("Lab2", {240, 840, 990, 180}, "频率f(kHz):", "Text1"),
    textBox("Text1", {2160, 720, 1215, 300}, 0),
    label("Label1", {240, 1440, 810, 180}, "第一层板:"),
    label("Lab3", {1080, 1440, 990, 180}, "厚度l1(cm):", "Text2")
        .withTip("第一层金属板的厚度，单位为厘米(cm)。"),
    textBox("Text2", {2160, 1320, 1215, 300}, 1),
    label("Lab7", {3600, 1440, 1530, 180}, "到源的距离r1(cm):", "Text3")
        .withTip("从场源到第一层板的距离，单位为厘米(cm)，远场平面波情况可不填。"),
    textBox("Text3", {5760, 1320, 1290, 300}, 2),
    labelElement("Lab4", 1, {3600, 2040, 1170, 180}, "屏蔽体的材料:", "Combo1"),
    comboBox("Combo1", {5760, 1920, 1290, 300}, 3, kChoosePrompt, kMaterialEntries),
    label("Label2", {240, 2640, 810, 180}, "第二层板:"),
    label("Label3", {1080, 2640, 990, 180}, "厚度l2(cm):", "Text5")
        .withTip("第二层金属板的厚度，单位为厘米(cm)。"),
    textBox("Text5", {2160, 2520, 1215, 300}, 4),
    label("Label4", {3600, 2640, 2070, 180}, "与第一层板的距离r2(cm):", "Text6")
        .withTip("两层板之间空隙的宽度，即第二层板到第一层板的距离，单位为厘米(cm)。"),
    textBox("Text6", {5760, 2520, 1290, 300}, 5),
    labelElement("Lab4", 0, {3600, 3240, 1170, 180}, "屏蔽体的材料:", "Combo2"),
    comboBox("Combo2", {5760, 3120, 1290, 300}, 6, kChoosePrompt, kMaterialEntries),
    commandButton("Comm1", {3000, 3960, 905, 480}, "返 回", 7),
    commandButton("Comm2", {4320, 3960, 905, 480}, "确 定", 8),
    commandButton("Comm4", {5640, 3960, 905, 480}, "退 出", 9),
};

constexpr FormSpec kForm{"Frmsub5", "双层屏蔽体的效能计算", 7230, 4725, kControls};

// The missing-parameters message speaks of a conductive plate; the missing
// distance r1 is titled with the calculation's title.
constexpr std::array<MissingPrompt, 2> kPrompts{{
    {Needed::Always, "请输入参数!", "导体平板的屏效计算"},
    {Needed::NearField, "请输入屏蔽体1到场源的距离r1!", "双层屏蔽体的屏效计算"},
}};

// How the explanations of faults name the inputs.
constexpr std::array<InputWords, 7> kWords{{
    {kFrequencyKey, "频率f", "频率", unitName(DoubleLayerInput::kFrequencyUnit).data()},
    {"l1", "第一层板的厚度l1", "厚度", "cm"},
    {"r1", "第一层板到源的距离r1", "距离", "cm"},
    {"material1", "第一层板的材料", "第一层板的“屏蔽体的材料”", "一种金属"},
    {"l2", "第二层板的厚度l2", "厚度", "cm"},
    {"r2", "与第一层板的距离r2", "距离", "cm"},
    {"material2", "第二层板的材料", "第二层板的“屏蔽体的材料”", "一种金属"},
}};

constexpr CalculationDesign<DoubleLayerInput, float> kDesign{
    kForm,        CalculationKind::DoubleLayerShield, kDoubleLayerFields, {}, kPrompts, kWords,
    doubleLayerSE};

} // namespace

DoubleLayerForm::DoubleLayerForm(WindowHub& hub) : FieldForm(hub, kDesign) {}

} // namespace shieldcalc::ui
