#include "ui/field_source_window.h"

#include "ui/window_hub.h"

#include <QKeySequence>

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr const char* kChooseCase = "请任意选择一种情况!";

constexpr std::array kSheetControls{
    label("Lab1", {840, 600, 1935, 495}, "请选择场源情况："),
    optionButton("Opt1", {1440, 1320, 1815, 495}, "在远场平面波情况", 0),
    optionButton("Opt2", {1440, 2160, 2175, 495}, "在低阻磁场源的情况", 1),
    optionButton("Opt3", {1440, 3000, 2655, 375}, "在高阻抗电场源的近场情况", 2),
    commandButton("Comm1", {3000, 3840, 905, 480}, "返 回", 3),
    commandButton("Comm2", {4260, 3840, 905, 480}, "确 定", 4),
    commandButton("Comm4", {5520, 3840, 905, 480}, "退 出", 5),
};
constexpr std::array kSheetSources{FieldSource::PlaneWave, FieldSource::MagneticSource,
                                   FieldSource::ElectricSource};

constexpr std::array kEnclosureControls{
    label("Lab1", {480, 360, 1935, 495}, "请选择场源情况："),
    optionButton("Opt1", {720, 1080, 2175, 495}, "在低阻磁场源的情况", 0),
    optionButton("Opt2", {720, 1920, 2655, 375}, "在高阻抗电场源的近场情况", 1),
    commandButton("Comm1", {1800, 2760, 905, 480}, "返 回", 2),
    commandButton("Comm2", {3060, 2760, 905, 480}, "确 定", 3),
    commandButton("Comm4", {4320, 2760, 905, 480}, "退 出", 4),
};
constexpr std::array kEnclosureSources{FieldSource::MagneticSource, FieldSource::ElectricSource};

} // namespace

FieldSourceWindow::FieldSourceWindow(WindowHub& hub, const FieldSourceSpec& design)
    : FormWindow(hub, design.form), design_(design) {
    onClick("Comm1", &FieldSourceWindow::Comm1_Click);
    onClick("Comm2", &FieldSourceWindow::Comm2_Click);
    onClick("Comm4", &FieldSourceWindow::Comm4_Click);
    pressOnKey(QKeySequence(Qt::Key_Escape), "Comm1");
}

SourceChoice FieldSourceWindow::source() const {
    const int chosen = selectedOption();
    if (chosen < 0) {
        return std::nullopt;
    }
    return design_.sources[static_cast<std::size_t>(chosen)];
}

void FieldSourceWindow::Comm1_Click() {
    hide();
    hub().showMenu();
    hub().clearMenuSelection();
    clearSelection();
}

void FieldSourceWindow::Comm2_Click() {
    if (!source()) {
        const QString title = design_.noChoiceTitle != nullptr
                                  ? QString::fromUtf8(design_.noChoiceTitle)
                                  : windowTitle();
        hub().showMessage(this, question(QString::fromUtf8(kChooseCase), title));
        return;
    }
    const std::optional<CalculationKind> next =
        design_.calculation ? design_.calculation : calculationWithTitle(windowTitle());
    // The menu titles this window before showing it, so a title of another
    // window's calculation, or none, cannot occur; stay rather than vanish.
    if (!next || sourceWindowOf(*next) != design_.window) {
        return;
    }
    hide();
    hub().openCalculator(*next);
}

void FieldSourceWindow::Comm4_Click() {
    hub().exitApplication();
}

std::unique_ptr<FieldSourceWindow> makeSheetSourceWindow(WindowHub& hub) {
    // No caption of its own: the main menu writes the calculation's title.
    return std::make_unique<FieldSourceWindow>(
        hub, FieldSourceSpec{{"Frmsub1", "", 6780, 4560, kSheetControls},
                             SourceWindow::Sheets,
                             kSheetSources,
                             nullptr,
                             std::nullopt});
}

std::unique_ptr<FieldSourceWindow> makeEnclosureSourceWindow(WindowHub& hub) {
    return std::make_unique<FieldSourceWindow>(
        hub, FieldSourceSpec{{"Frmsub6", "", 5610, 3450, kEnclosureControls},
                             SourceWindow::Enclosure,
                             kEnclosureSources,
                             "长方体导体壳体屏蔽计算",
                             CalculationKind::EnclosureShield});
}

} // namespace shieldcalc::ui
