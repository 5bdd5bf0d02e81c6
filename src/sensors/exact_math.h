#pragma once

// The three kinds of power the sensor functions take, computed the same way
// on every system. The C runtimes differ in the last bit of pow and exp (one
// system's pow(10, -4) is not another's), and a last bit can move a printed
// digit; these give the correctly rounded result from plain double
// arithmetic, so every build prints the same digits.

namespace velmaro::sensors {

// 10^exponent as the double nearest to it, for -40 <= exponent <= 40 (every
// power a coefficient or tolerance is written with); outside that range the
// runtime's pow.
double PowerOfTen(int exponent);

// t^n for 0 <= n <= 32, rounded once from a product carried to about 100
// bits. t^0 is 1 for every t, as with pow; NaN, infinities and results
// beyond the double range as pow gives them.
double IntegerPower(double t, int n);

// e^x rounded once from a value carried to about 100 bits, for |x| <= 700;
// outside that range (never reached by a sensor function) the runtime's exp.
double Exp(double x);

} // namespace velmaro::sensors
