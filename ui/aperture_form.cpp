#include "ui/aperture_form.h"

#include "core/aperture.h"
#include "ui/material_list.h"

#include <array>

namespace shieldcalc::ui {

namespace {

// rectangular hole, circular hole
constexpr std::array<const char*, 2> kHoleShapeEntries{"--矩形孔--", "--圆形孔--"};

// The text boxes hold their own names until the field-source window first
// empties them, which it does before the form is ever shown.
constexpr std::array kControls{
    label("Lab1", {600, 360, 2145, 180}, "请选择孔的形状及材料："),
    label("Lab12", {960, 840, 360, 180}, "形状", "Com1"),
    comboBox("Com1", {1440, 800, 1300, 300}, 0, kChoosePrompt, kHoleShapeEntries),
    label("Lab5", {4440, 840, 360, 180}, "材料", "Com2"),
    comboBox("Com2", {5000, 800, 1300, 300}, 1, kChoosePrompt, kMaterialEntries),
    label("Lab2", {600, 1320, 1560, 180}, "请输入下列参数："),
    label("Lab4", {960, 1800, 900, 180}, "孔深l(cm):", "Text1")
        .withTip("孔的深度，即开孔处金属板的厚度，单位为厘米(cm)。"),
    textBox("Text1", {1920, 1750, 855, 300}, 2, "Text1"),
    label("Lab3", {4440, 1800, 900, 180}, "频率f(kHz):", "Text2"),
    textBox("Text2", {5445, 1750, 855, 300}, 3, "Text2"),
    label("Lab6", {623, 2520, 1530, 180}, "圆形孔的直径D(cm):", "Text3")
        .withTip("圆形孔的直径，单位为厘米(cm)，矩形孔可不填。"),
    textBox("Text3", {2280, 2490, 855, 300}, 4, "Text3"),
    label("Lab7", {3600, 2520, 2340, 180}, "干扰源到屏蔽体的距离r(cm):", "Text4")
        .withTip("从干扰源到屏蔽体的距离，单位为厘米(cm)，远场平面波情况可不填。"),
    textBox("Text4", {6120, 2490, 855, 300}, 5, "Text4"),
    label("Lab8", {600, 3420, 1890, 180}, "单个孔的面积a(cm*cm):", "Text5")
        .withTip("一个孔的开口面积，单位为平方厘米(cm*cm)。"),
    textBox("Text5", {2400, 3405, 855, 300}, 6, "Text5"),
    label("Lab9", {3600, 3420, 2250, 180}, "每平方厘米面积上的孔数 n:", "Text7")
        .withTip("板面上每平方厘米内的孔的个数，单位为个每平方厘米(1/(cm*cm))。"),
    textBox("Text7", {6120, 3405, 855, 300}, 7, "Text7"),
    label("Lab10", {645, 4320, 1530, 180}, "孔间导体宽度b(cm)", "Text6")
        .withTip("相邻两孔之间金属导体的宽度，单位为厘米(cm)。"),
    textBox("Text6", {2280, 4320, 855, 300}, 8, "Text6"),
    label("Lab11", {3600, 4320, 2520, 180}, "与电场垂直的矩形孔宽度w(cm):", "Text8")
        .withTip("矩形孔与电场方向垂直的那条边的长度，单位为厘米(cm)，圆形孔可不填。"),
    textBox("Text8", {6120, 4320, 855, 300}, 9, "Text8"),
    commandButton("Comm1", {3480, 5160, 905, 480}, "返 回", 10),
    commandButton("Comm2", {4920, 5160, 905, 480}, "确 定", 11),
    commandButton("Comm4", {6360, 5160, 905, 480}, "退 出", 12),
};

constexpr FormSpec kForm{"Frmsub4", "非实心型屏蔽体效能计算", 7635, 5820, kControls};

// The missing-parameters message is titled with the calculation's title; the
// three that follow it with a title of their own, without "型".
constexpr const char* kParametersTitle = "非实心型屏蔽体的屏效计算";
constexpr const char* kMessageTitle = "非实心屏蔽体的屏效计算";
constexpr std::array<MissingPrompt, 4> kPrompts{{
    {Needed::Always, "请输入参数!", kParametersTitle},
    {Needed::NearField, "请输入屏蔽体到场源的距离r!", kMessageTitle},
    {Needed::CircularHole, "请输入圆形孔的直径!", kMessageTitle},
    {Needed::RectangularHole, "请输入与电场垂直的矩形孔宽度!", kMessageTitle},
}};

// Entered through the field-source window, the hole-shape list shows the
// prompt with a trailing blank; the material list shows it without.
constexpr std::array<ListPrompt, 1> kListPrompts{{{"shape", "--请选择-- "}}};

// How the explanations of faults name the inputs.
constexpr std::array<InputWords, 10> kWords{{
    {"shape", "孔的形状", "“形状”", "矩形孔或圆形孔"},
    {"material", "屏蔽体的材料", "“材料”", "一种金属"},
    {"l", "孔深l", "孔深", "cm"},
    {kFrequencyKey, "频率f", "频率", unitName(ApertureInput::kFrequencyUnit).data()},
    {"D", "圆形孔的直径D", "直径", "cm"},
    {"r", "干扰源到屏蔽体的距离r", "距离", "cm"},
    {"a", "单个孔的面积a", "面积", "cm*cm"},
    {"b", "孔间导体宽度b", "宽度", "cm"},
    {"n", "每平方厘米面积上的孔数n", "孔数", nullptr},
    {"w", "与电场垂直的矩形孔宽度w", "宽度", "cm"},
}};

constexpr CalculationDesign<ApertureInput, double> kDesign{
    kForm,     CalculationKind::NonSolidShield, kApertureFields, kListPrompts, kPrompts, kWords,
    apertureSE};

} // namespace

ApertureForm::ApertureForm(WindowHub& hub) : FieldForm(hub, kDesign) {}

} // namespace shieldcalc::ui
