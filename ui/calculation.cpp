#include "ui/calculation.h"

#include <algorithm>

namespace shieldcalc::ui {

namespace {

const Calculation& entry(CalculationKind kind) {
    return *std::ranges::find(kCalculations, kind, &Calculation::kind);
}

} // namespace

QString calculationTitle(CalculationKind kind) {
    return QString::fromUtf8(entry(kind).title);
}

SourceWindow sourceWindowOf(CalculationKind kind) {
    return entry(kind).sourceWindow;
}

std::optional<CalculationKind> calculationWithTitle(const QString& caption) {
    for (const Calculation& c : kCalculations) {
        if (caption == QString::fromUtf8(c.title)) {
            return c.kind;
        }
    }
    return std::nullopt;
}

} // namespace shieldcalc::ui
