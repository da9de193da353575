#include "core/checked.h"

namespace shieldcalc::checked {

void Step::fail(FaultKind kind) const {
    throw ArithmeticFault(kind, quantity_);
}

void requireFinite(std::initializer_list<float> inputs) {
    for (float x : inputs) {
        if (!std::isfinite(x))
            throw ArithmeticFault(FaultKind::NonFiniteInput, Quantity::Input);
    }
}

} // namespace shieldcalc::checked
