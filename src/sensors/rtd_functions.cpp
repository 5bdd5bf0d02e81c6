#include "sensors/rtd_functions.h"

#include "sensors/exact_math.h"
#include "sensors/rtd_constants.h"

#include <cmath>

namespace velmaro::sensors {
namespace {

double Formed(DecimalConstant constant) {
    return constant.mantissa * PowerOfTen(constant.exponent);
}

struct FormedConstants {
    double platinumA;
    double platinumB;
    double platinumC;
    double copperAlpha;
    double copperBeta;
    double copperGamma;
};

const FormedConstants& Constants() {
    static const FormedConstants formed = {
        Formed(kPlatinumA),   Formed(kPlatinumB),  Formed(kPlatinumC),
        Formed(kCopperAlpha), Formed(kCopperBeta), Formed(kCopperGamma),
    };
    return formed;
}

double PlatinumClosedForm(double ohms, double perR0) {
    return (std::sqrt(kPlatinumASquared - kPlatinumFourB * (1.0 - ohms * perR0)) -
            kPlatinumInverseA) *
           kPlatinumOneOverTwoB;
}

} // namespace

double PlatinumResistance(double r0, double celsius) {
    const FormedConstants& k = Constants();
    const double t = celsius;
    if (t >= -200.0 && t <= 0.0) {
        return r0 * (1.0 + t * (k.platinumA + t * (k.platinumB + k.platinumC * (t - 100.0) * t)));
    }
    if (t > 0.0 && t <= 850.0) {
        return r0 * (1.0 + t * (k.platinumA + t * k.platinumB));
    }
    return 0.0;
}

double CopperResistance(double r0, double celsius) {
    const FormedConstants& k = Constants();
    const double t = celsius;
    return r0 * (1.0 + t * (k.copperAlpha + (t - 100.0) * (k.copperGamma * t + k.copperBeta)));
}

double PlatinumTrialResistance(double r0, double celsius) {
    const double t = celsius;
    return r0 * (1.0 +
                 t * (kPlatinumTrialA - t * (kPlatinumTrialB + kPlatinumTrialC * t * (t - 100.0))));
}

double CopperTrialResistance(double r0, double celsius) {
    const double t = celsius;
    return r0 * (1.0 + kCopperTrialA * t + kCopperTrialB * t * t + kCopperTrialC * t * t * t);
}

RtdBisectionSetup RtdBisectionFor(RtdType type) {
    const RtdCharacteristic& c = kRtdCharacteristics[type];
    return {c.r0,
            c.element == RtdElement::Platinum ? PlatinumTrialResistance : CopperTrialResistance,
            c.startCelsius,
            c.startOhms,
            c.lowCelsius,
            c.highCelsius};
}

RtdSolution SolveRtdBisection(const RtdBisectionSetup& setup, double ohms) {
    double t = setup.startCelsius;
    double trial = setup.startOhms;
    double lo = setup.lowCelsius;
    double hi = setup.highCelsius;
    int count = 0;
    // Strict: a difference of exactly the tolerance goes on halving.
    if (std::fabs(trial - ohms) < kRtdToleranceOhms) {
        return {t, count};
    }
    for (;;) {
        if (ohms > trial) {
            lo = t;
            t = (t + hi) / 2.0;
        } else {
            hi = t;
            t = (t + lo) / 2.0;
        }
        ++count;
        trial = setup.trialResistance(setup.r0, t);
        if (count > kRtdStepCap || std::fabs(trial - ohms) < kRtdToleranceOhms) {
            return {t, count};
        }
    }
}

double RtdReferenceResistance(RtdType type, double celsius) {
    const RtdCharacteristic& c = kRtdCharacteristics[type];
    return c.element == RtdElement::Platinum ? PlatinumResistance(c.r0, celsius)
                                             : CopperResistance(c.r0, celsius);
}

double RtdInverseTemperature(RtdType type, double ohms) {
    const RtdCharacteristic& c = kRtdCharacteristics[type];
    if (c.element == RtdElement::Platinum && ohms >= c.r0) {
        return PlatinumClosedForm(ohms, c.perR0);
    }
    return SolveRtdBisection(RtdBisectionFor(type), ohms).celsius;
}

} // namespace velmaro::sensors
