#pragma once

// Every power a polynomial of the formulation needs, formed once per state.
// Each entry is the product of two shorter powers (x^k = x^(k/2) * x^(k-k/2)),
// so x^58 carries the rounding of six multiplications, not of fifty-eight,
// and costs one multiplication like the plain running product would.

#include <algorithm>
#include <array>
#include <numeric>

namespace velmaro::steam {

template <int Low, int High> class Powers {
    static_assert(Low <= 0 && High >= 0);

public:
    explicit Powers(double x) {
        values_[-Low] = 1.0;
        if constexpr (High >= 1) {
            values_[1 - Low] = x;
        }
        for (int k = 2; k <= High; ++k) {
            values_[k - Low] = values_[k / 2 - Low] * values_[k - k / 2 - Low];
        }
        if constexpr (Low <= -1) {
            values_[-1 - Low] = 1.0 / x;
        }
        for (int k = 2; k <= -Low; ++k) {
            values_[-k - Low] = values_[-(k / 2) - Low] * values_[-(k - k / 2) - Low];
        }
    }

    double operator[](int exponent) const { return values_[exponent - Low]; }

private:
    std::array<double, High - Low + 1> values_{};
};

// The smallest and largest exponents of a term table, for sizing Powers.
template <typename Table> constexpr int LowestI(const Table& table) {
    int low = 0;
    for (const auto& term : table) {
        low = std::min(low, term.I);
    }
    return low;
}
template <typename Table> constexpr int HighestI(const Table& table) {
    int high = 0;
    for (const auto& term : table) {
        high = std::max(high, term.I);
    }
    return high;
}
template <typename Table> constexpr int LowestJ(const Table& table) {
    int low = 0;
    for (const auto& term : table) {
        low = std::min(low, term.J);
    }
    return low;
}
template <typename Table> constexpr int HighestJ(const Table& table) {
    int high = 0;
    for (const auto& term : table) {
        high = std::max(high, term.J);
    }
    return high;
}

// Sum of n * a^I * b^J over a table, a and b given as their powers.
template <typename Table, typename PowersA, typename PowersB>
double SumTerms(const Table& table, const PowersA& a, const PowersB& b) {
    double sum = 0.0;
    for (const auto& term : table) {
        sum += term.n * a[term.I] * b[term.J];
    }
    return sum;
}

// c[0] + c[1] x + c[2] x^2 + ... by Horner's scheme.
template <typename Coefficients> double Polynomial(const Coefficients& c, double x) {
    return std::accumulate(c.rbegin(), c.rend(), 0.0,
                           [x](double sum, double coefficient) { return sum * x + coefficient; });
}

} // namespace velmaro::steam
