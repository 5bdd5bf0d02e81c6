#pragma once

// Two ways to the root of a residual: the secant iteration the standard
// describes for its flow sums (its "linear algorithm"), fast but unguarded,
// and a bracketed search, which always ends, behind it.

#include <cmath>
#include <optional>

namespace velmaro::flow {

// Secant steps on `residual` from x0 and x1 while `inside` holds for each new
// point. The root once a step moves it by no more than `tolerance` relative;
// nullopt when a point leaves the domain, the residual is not finite or
// stops changing before the steps have shrunk, or after `mostSteps` steps.
template <class F, class Inside>
std::optional<double> Secant(F&& residual, double x0, double x1, Inside&& inside, double tolerance,
                             int mostSteps) {
    if (!inside(x0)) {
        return std::nullopt;
    }
    double f0 = residual(x0);
    for (int step = 0; step < mostSteps; ++step) {
        if (!inside(x1)) {
            return std::nullopt;
        }
        const double f1 = residual(x1);
        if (f1 == 0.0) {
            return x1;
        }
        if (f1 == f0) {
            // Settled already (the start was the root), or a flat residual.
            return std::abs(x1 - x0) <= tolerance * std::abs(x1) ? std::optional<double>(x1)
                                                                 : std::nullopt;
        }
        if (!std::isfinite(f1)) {
            return std::nullopt;
        }
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (std::abs(x2 - x1) <= tolerance * std::abs(x2)) {
            return inside(x2) ? std::optional<double>(x2) : std::nullopt;
        }
        x0 = x1;
        f0 = f1;
        x1 = x2;
    }
    return std::nullopt;
}

// The bracket's secant point, or its middle where `halve` says so or the
// secant point falls outside; nullopt once the ends are neighbouring doubles.
inline std::optional<double> NextInBracket(double low, double high, double fLow, double fHigh,
                                           bool halve) {
    const double middle = 0.5 * (low + high);
    const double x = halve ? middle : (low * fHigh - high * fLow) / (fHigh - fLow);
    if (x > low && x < high) {
        return x;
    }
    return middle > low && middle < high ? std::optional<double>(middle) : std::nullopt;
}

// Regula falsi with the Illinois correction (the end kept twice running has
// its value halved), and a halving of the bracket whenever two steps have
// not halved it: every two steps at least halve the bracket, so the search
// ends, at the latest when the two ends are neighbouring doubles. It stops
// once the bracket is narrower than `tolerance` relative to its upper end.
// f(low) and f(high) must differ in sign and neither be 0.
template <class F>
double RootInBracket(F&& f, double low, double high, double fLow, double fHigh, double tolerance) {
    constexpr int kMostSteps = 4400; // two steps for each of the ~2100 halvings of any interval
    int kept = 0;                    // +1: the high end was kept last step, -1: the low end
    double widthTwoStepsAgo = high - low;
    for (int step = 0; step < kMostSteps && high - low > tolerance * std::abs(high); ++step) {
        const bool halve = step % 2 == 1 && high - low > 0.5 * widthTwoStepsAgo;
        if (step % 2 == 1) {
            widthTwoStepsAgo = high - low;
        }
        const std::optional<double> next = NextInBracket(low, high, fLow, fHigh, halve);
        if (!next) {
            break; // neighbouring doubles
        }
        const double x = *next;
        const double fx = f(x);
        if (fx == 0.0) {
            return x;
        }
        const bool lowMoves = (fx < 0.0) == (fLow < 0.0);
        (lowMoves ? low : high) = x;
        (lowMoves ? fLow : fHigh) = fx;
        const int nowKept = lowMoves ? 1 : -1;
        if (nowKept == kept) {
            (lowMoves ? fHigh : fLow) *= 0.5;
        }
        kept = nowKept;
    }
    return 0.5 * (low + high);
}

} // namespace velmaro::flow
