#pragma once

// A polynomial sum n a^I b^J and its exponent-weighted sums (I * term,
// J * term ...) in one pass over the table: every derivative of a region's
// free energy follows from these, divided once by the base.

namespace velmaro::steam {

struct WeightedSums {
    double plain = 0.0;
    double byI = 0.0;
    double byII = 0.0; // I (I - 1)
    double byJ = 0.0;
    double byJJ = 0.0; // J (J - 1)
    double byIJ = 0.0;
};

// The sums added onto `sums`, so a term outside the table (region 3's
// logarithm) comes first in the same order of additions.
template <typename Table, typename PowersA, typename PowersB>
WeightedSums Weighted(const Table& table, const PowersA& a, const PowersB& b,
                      WeightedSums sums = {}) {
    for (const auto& term : table) {
        const double t = term.n * a[term.I] * b[term.J];
        const double i = term.I;
        const double j = term.J;
        sums.plain += t;
        sums.byI += i * t;
        sums.byII += i * (i - 1.0) * t;
        sums.byJ += j * t;
        sums.byJJ += j * (j - 1.0) * t;
        sums.byIJ += i * j * t;
    }
    return sums;
}

} // namespace velmaro::steam
