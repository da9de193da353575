#include "ui/result_window.h"

#include "ui/calculation.h"
#include "ui/window_hub.h"

#include <QLineEdit>

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    label("Lab1", {720, 600, 2535, 180}, "根据以上输入参数，屏效为：", "Text1"),
    textBox("Text1", {1680, 1440, 1400, 465}, 2, "Text1", Face::ResultText),
    label("Lab2", {3120, 1560, 240, 210}, "dB"),
    commandButton("Comm1", {3720, 3000, 905, 480}, "返 回", 0),
    commandButton("Comm2", {4920, 3000, 905, 480}, "完 成", 1),
};

// The caption at creation matches no calculation; every publication replaces it.
constexpr FormSpec kForm{"Frmsub3", "非实心型屏蔽体效能计算", 6420, 3825, kControls};

} // namespace

ResultWindow::ResultWindow(WindowHub& hub) : FormWindow(hub, kForm) {
    onClick("Comm1", &ResultWindow::Comm1_Click);
    onClick("Comm2", &ResultWindow::Comm2_Click);
}

void ResultWindow::setResult(const QString& text) {
    auto* box = control<QLineEdit>("Text1");
    box->setText(text);
    box->setEnabled(false);
}

void ResultWindow::Comm1_Click() {
    // Every publication titles this window with one of the four titles.
    const std::optional<CalculationKind> calculation = calculationWithTitle(windowTitle());
    if (!calculation) {
        return;
    }
    hide();
    hub().showCalculator(*calculation);
}

void ResultWindow::Comm2_Click() {
    hide();
    hub().clearMenuSelection();
    hub().showMenu();
}

} // namespace shieldcalc::ui
