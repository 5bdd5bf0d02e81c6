#include "sensors/thermocouple_reference_inverse.h"

#include "sensors/thermocouple_reference.h"
#include "sensors/thermocouple_types.h"

#include <optional>

namespace velmaro::sensors {
namespace {

// More than any bracket needs: the secant steps close it in about ten, and
// the bracket halves at least every second step (2100 °C down to 1e-9 °C is
// 41 halvings).
constexpr int kMostSteps = 200;

// One end of the bracket: a temperature and how far its EMF lies from the
// one sought, in mV (negative below, positive above).
struct End {
    double celsius;
    double miss;
};

// A bracket around the root of a rising function. Its next point is the
// secant's (regula falsi); when the same end has stayed put twice running,
// the miss it weighs the secant with is halved (the Illinois rule), so that
// the secant does not creep up on the root from one side. Every second step
// checks that the bracket has at least halved since the last check, and
// halves it itself when not.
class Bracket {
    enum class Side { None, Low, High };

public:
    Bracket(End low, End high) : low_(low), high_(high), checkpoint_(Width()) {}

    double Width() const { return high_.celsius - low_.celsius; }
    double Middle() const { return low_.celsius + Width() / 2; }

    // The next temperature to try, strictly inside; none once the ends are
    // neighbouring doubles.
    std::optional<double> NextPoint(int step) {
        bool halve = false;
        if (step % 2 == 0) {
            halve = Width() > checkpoint_ / 2;
            checkpoint_ = Width();
        }
        const double secant = low_.celsius - low_.miss * (Width() / (high_.miss - low_.miss));
        const double t = halve ? Middle() : secant;
        if (Inside(t)) {
            return t;
        }
        if (Inside(Middle())) {
            return Middle();
        }
        return std::nullopt;
    }

    // `t`, whose EMF misses by `miss` (not 0), replaces the end on its side.
    void Take(double t, double miss) {
        const Side kept = miss < 0.0 ? Side::High : Side::Low;
        End& keptEnd = kept == Side::High ? high_ : low_;
        End& movedEnd = kept == Side::High ? low_ : high_;
        movedEnd = {t, miss};
        if (kept == lastKept_) {
            keptEnd.miss /= 2;
        }
        lastKept_ = kept;
    }

private:
    bool Inside(double t) const { return t > low_.celsius && t < high_.celsius; }

    End low_;
    End high_;
    double checkpoint_;
    Side lastKept_ = Side::None;
};

} // namespace

SensorResult ReferenceTemperature(unsigned type, double emf) {
    if (type >= kThermocoupleTypeCount) {
        return {0.0, RangeCheck::UnknownType};
    }
    const auto thermocouple = static_cast<ThermocoupleType>(type);
    const ClosedRange range = ThermocoupleTypeInfo(thermocouple).invertible;
    const End low{range.low, ReferenceEmf(thermocouple, range.low) - emf};
    const End high{range.high, ReferenceEmf(thermocouple, range.high) - emf};
    // NaN fails both tests.
    if (!(low.miss <= 0.0 && high.miss >= 0.0)) {
        return {0.0, RangeCheck::OutOfRange};
    }
    for (const End& end : {low, high}) {
        if (end.miss == 0.0) {
            return {end.celsius, RangeCheck::InRange};
        }
    }
    // The reference function rises over the invertible range, so the root
    // stays inside the bracket.
    Bracket bracket(low, high);
    for (int step = 1; step <= kMostSteps && bracket.Width() > kReferenceInverseTolerance; ++step) {
        const std::optional<double> t = bracket.NextPoint(step);
        if (!t) {
            break;
        }
        const double miss = ReferenceEmf(thermocouple, *t) - emf;
        if (miss == 0.0) {
            return {*t, RangeCheck::InRange};
        }
        bracket.Take(*t, miss);
    }
    return {bracket.Middle(), RangeCheck::InRange};
}

} // namespace velmaro::sensors
