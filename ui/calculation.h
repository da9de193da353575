// The four calculations of the main menu and their titles.
//
// The chosen calculation travels from window to window as a caption: the main
// menu writes the title into the field-source window, the calculator copies it
// onto the result window, and the result window's Back finds the calculator by
// it. The titles below are therefore routing keys, and every decision taken on
// a caption goes through calculationWithTitle, which compares exactly.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace shieldcalc::ui {

enum class CalculationKind {
    SolidShield,
    NonSolidShield,
    DoubleLayerShield,
    EnclosureShield,
};

// The two windows that ask for the field source.
enum class SourceWindow {
    Sheets,    // Frmsub1: plane wave, magnetic or electric source
    Enclosure, // Frmsub6: magnetic or electric source
};

struct Calculation {
    CalculationKind kind;
    const char* title; // caption of the menu option and routing key
    SourceWindow sourceWindow;
};

// In menu order: the menu's option buttons Opt1 to Opt4.
inline constexpr std::array<Calculation, 4> kCalculations{{
    {CalculationKind::SolidShield, "实心屏蔽体的屏效计算", SourceWindow::Sheets},
    {CalculationKind::NonSolidShield, "非实心型屏蔽体的屏效计算", SourceWindow::Sheets},
    {CalculationKind::DoubleLayerShield, "双层屏蔽体的屏效计算", SourceWindow::Sheets},
    {CalculationKind::EnclosureShield, "长方体导体壳体屏效计算", SourceWindow::Enclosure},
}};

QString calculationTitle(CalculationKind kind);
SourceWindow sourceWindowOf(CalculationKind kind);

// The calculation whose title is exactly caption (same characters, same
// blanks, case-sensitive), or nothing.
std::optional<CalculationKind> calculationWithTitle(const QString& caption);

} // namespace shieldcalc::ui
