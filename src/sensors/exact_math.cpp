#include "sensors/exact_math.h"

#include <cmath>

// Both functions carry their value as an unevaluated sum hi + lo of two
// doubles (about 106 bits), built from operations whose rounding error is
// recovered exactly. The last step rounds hi + lo once, which gives the double
// nearest to the true value unless that value lies within about 2^-100 of a
// halfway point. Every step is a plain IEEE operation (no fused multiply-add:
// the library is built with contraction off), so the result is the same on
// every system.

namespace velmaro::sensors {
namespace {

struct Wide {
    double hi;
    double lo;
};

// a + b exactly, when |a| >= |b| or a is 0.
Wide QuickSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly, whatever their sizes.
Wide Sum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a split into two halves of 26 bits each, whose products are exact.
Wide Split(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double c = kSplitter * a;
    const double hi = c - (c - a);
    return {hi, a - hi};
}

// a * b exactly.
Wide Product(double a, double b) {
    const double p = a * b;
    const Wide x = Split(a);
    const Wide y = Split(b);
    const double error = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, error};
}

Wide Times(Wide a, double b) {
    const Wide p = Product(a.hi, b);
    return QuickSum(p.hi, p.lo + a.lo * b);
}

Wide Times(Wide a, Wide b) {
    const Wide p = Product(a.hi, b.hi);
    return QuickSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Wide Plus(Wide a, Wide b) {
    const Wide s = Sum(a.hi, b.hi);
    return QuickSum(s.hi, s.lo + (a.lo + b.lo));
}

// a / k for a small whole number k.
Wide DividedBy(Wide a, double k) {
    const double q1 = a.hi / k;
    const Wide back = Product(q1, k);
    const double rest = ((a.hi - back.hi) - back.lo) + a.lo;
    return QuickSum(q1, rest / k);
}

double Rounded(Wide a) {
    return a.hi + a.lo;
}

constexpr int kMaxIntegerPower = 32;
constexpr double kExpLimit = 700.0;
// ln 2 as a 42-bit head (so that k * head is exact for |k| < 2^11) and the
// rest, with the rest split once more.
constexpr double kLn2Head = 0x1.62e42fefa38p-1;
constexpr double kLn2Tail = 0x1.ef35793c7673p-45;
constexpr double kLn2TailRest = 0x1.f97b57a079a19p-103;
// Terms of the series: |r| <= ln 2 / 2 makes r^28 / 28! smaller than 2^-110.
constexpr int kExpTerms = 28;

} // namespace

double IntegerPower(double t, int n) {
    if (n <= 0 || n > kMaxIntegerPower || !std::isfinite(t)) {
        return std::pow(t, static_cast<double>(n));
    }
    Wide power{t, 0.0};
    for (int i = 1; i < n; ++i) {
        power = Times(power, t);
    }
    const double result = Rounded(power);
    // Beyond the double range the splitting overflows; pow knows the answer.
    return std::isfinite(result) ? result : std::pow(t, static_cast<double>(n));
}

double Exp(double x) {
    if (!(std::fabs(x) <= kExpLimit)) {
        return std::exp(x);
    }
    // x = k ln 2 + r with |r| <= ln 2 / 2; e^x = 2^k e^r.
    const double k = std::nearbyint(x / (kLn2Head + kLn2Tail));
    const Wide headPart = Sum(x, -k * kLn2Head); // k * kLn2Head is exact
    const Wide tailPart = Product(-k, kLn2Tail);
    const Wide r = Plus(Plus(headPart, tailPart), Wide{-k * kLn2TailRest, 0.0});

    // e^r = 1 + r (1 + r/2 (1 + r/3 (1 + ...))), from the innermost term out.
    Wide series{1.0, 0.0};
    for (int i = kExpTerms; i >= 1; --i) {
        series = Plus(Wide{1.0, 0.0}, DividedBy(Times(r, series), static_cast<double>(i)));
    }
    return std::ldexp(Rounded(series), static_cast<int>(k));
}

} // namespace velmaro::sensors
