// Checked double-precision arithmetic for the formulas.
//
// Each Step names the quantity being computed; each of its operations
// returns the IEEE result of the same operation, or throws ArithmeticFault
// for that quantity when the operation divides by zero, overflows or is
// invalid. Results are bit-for-bit those of the plain operators and of the C
// library's log, sqrt, exp and pow, so a formula written with a Step computes
// exactly what the plain expression would, in the same order.
#pragma once

#include "core/fault.h"

#include <cmath>

namespace shieldcalc::checked {

// ln 10, the correctly rounded value of std::log(10.0).
inline constexpr double kLn10 = 2.302585092994045684;
// The value of pi the formulas are written with.
inline constexpr double kPi = 3.1415926535898;

// 10 to a whole power n, -12 <= n <= 8: the correctly rounded decimal
// literal, which is what the general power function gives for these
// exponents (the tests check each against std::pow).
inline constexpr int kMinTenPower = -12;
inline constexpr int kMaxTenPower = 8;
constexpr double tenTo(int n) {
    constexpr double kPowers[] = {1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6,
                                  1e-5,  1e-4,  1e-3,  1e-2, 1e-1, 1e0,  1e1,
                                  1e2,   1e3,   1e4,   1e5,  1e6,  1e7,  1e8};
    return kPowers[n - kMinTenPower];
}

class Step {
public:
    explicit constexpr Step(Quantity quantity) : quantity_(quantity) {}

    double add(double a, double b) const { return finite(a + b); }
    double sub(double a, double b) const { return finite(a - b); }
    double mul(double a, double b) const { return finite(a * b); }
    double div(double a, double b) const {
        if (b == 0)
            fail(a == 0 ? FaultKind::ZeroByZero : FaultKind::DivisionByZero);
        return finite(a / b);
    }
    // The exact product x * x.
    double square(double x) const { return mul(x, x); }

    double ln(double x) const {
        if (!(x > 0))
            fail(FaultKind::LogOfNonPositive);
        return std::log(x);
    }
    double sqrt(double x) const {
        if (x < 0)
            fail(FaultKind::SqrtOfNegative);
        return std::sqrt(x);
    }
    double exp(double x) const { return finite(std::exp(x)); }
    double pow(double x, double y) const {
        if ((x < 0 && std::trunc(y) != y) || (x == 0 && y < 0))
            fail(FaultKind::UndefinedPower);
        return finite(std::pow(x, y));
    }

    // 20 log10 x, formed as (ln x * 20) / ln 10.
    double dbProductFirst(double x) const { return div(mul(ln(x), 20), kLn10); }
    // c log10 x, formed as c * (ln x / ln 10).
    double dbQuotientFirst(double c, double x) const { return mul(c, div(ln(x), kLn10)); }

    // x rounded to single precision, as a stored quantity.
    float store(double x) const {
        const auto stored = static_cast<float>(x);
        if (std::isinf(stored))
            fail(FaultKind::SingleRangeExceeded);
        return stored;
    }

    [[noreturn]] void fail(FaultKind kind) const;

private:
    double finite(double result) const {
        if (!std::isfinite(result))
            fail(FaultKind::Overflow);
        return result;
    }

    Quantity quantity_;
};

// Rejects an input that is infinite or not a number.
void requireFinite(std::initializer_list<float> inputs);

} // namespace shieldcalc::checked
