// ITS-90 thermocouple coefficients, transcribed from NIST SRD 60 / Monograph 175
// (the same values as IEC 60584-1): the reference functions E(t) of types S, R,
// B, K, N, E, J and T per sub-range, type K's exponential term, and type K's
// approximate inverse functions t(E). Mantissas are normalised to one digit
// before the point with trailing zeros dropped; coefficients beyond a
// sub-range's degree are not listed.

#include "sensors/thermocouple_coefficients.h"

#include <array>
#include <limits>

namespace velmaro::sensors {
namespace {

// Type S, -50.0 ... 1064.18 °C, degree 8.
constexpr TabulatedCoefficient kS0[] = {
    {0.0, 0},
    {5.40313308631, -3},
    {1.2593428974, -5},
    {-2.32477968689, -8},
    {3.22028823036, -11},
    {-3.31465196389, -14},
    {2.55744251786, -17},
    {-1.25068871393, -20},
    {2.71443176145, -24},
};

// Type S, 1064.18 ... 1664.5 °C, degree 4.
constexpr TabulatedCoefficient kS1[] = {
    {1.32900444085, 0},   {3.34509311344, -3},  {6.54805192818, -6},
    {-1.64856259209, -9}, {1.29989605174, -14},
};

// Type S, 1664.5 ... 1768.1 °C, degree 4.
constexpr TabulatedCoefficient kS2[] = {
    {1.46628232636, 2},   {-2.58430516752, -1},  {1.63693574641, -4},
    {-3.30439046987, -8}, {-9.43223690612, -15},
};

// Type R, -50.0 ... 1064.18 °C, degree 9.
constexpr TabulatedCoefficient kR0[] = {
    {0.0, 0},
    {5.28961729765, -3},
    {1.39166589782, -5},
    {-2.38855693017, -8},
    {3.56916001063, -11},
    {-4.62347666298, -14},
    {5.00777441034, -17},
    {-3.73105886191, -20},
    {1.57716482367, -23},
    {-2.81038625251, -27},
};

// Type R, 1064.18 ... 1664.5 °C, degree 5.
constexpr TabulatedCoefficient kR1[] = {
    {2.95157925316, 0},   {-2.52061251332, -3}, {1.59564501865, -5},
    {-7.64085947576, -9}, {2.05305291024, -12}, {-2.93359668173, -16},
};

// Type R, 1664.5 ... 1768.1 °C, degree 4.
constexpr TabulatedCoefficient kR2[] = {
    {1.52232118209, 2},   {-2.68819888545, -1},  {1.71280280471, -4},
    {-3.45895706453, -8}, {-9.34633971046, -15},
};

// Type B, 0.0 ... 630.615 °C, degree 6.
constexpr TabulatedCoefficient kB0[] = {
    {0.0, 0},
    {-2.4650818346, -4},
    {5.9040421171, -6},
    {-1.3257931636, -9},
    {1.5668291901, -12},
    {-1.694452924, -15},
    {6.2990347094, -19},
};

// Type B, 630.615 ... 1820.0 °C, degree 8.
constexpr TabulatedCoefficient kB1[] = {
    {-3.8938168621, 0},   {2.857174747, -2},    {-8.4885104785, -5},
    {1.5785280164, -7},   {-1.6835344864, -10}, {1.1109794013, -13},
    {-4.4515431033, -17}, {9.8975640821, -21},  {-9.3791330289, -25},
};

// Type K, -270.0 ... 0.0 °C, degree 10.
constexpr TabulatedCoefficient kK0[] = {
    {0.0, 0},
    {3.9450128025, -2},
    {2.3622373598, -5},
    {-3.2858906784, -7},
    {-4.9904828777, -9},
    {-6.7509059173, -11},
    {-5.7410327428, -13},
    {-3.1088872894, -15},
    {-1.0451609365, -17},
    {-1.9889266878, -20},
    {-1.6322697486, -23},
};

// Type K, 0.0 ... 1372.0 °C, degree 9.
constexpr TabulatedCoefficient kK1[] = {
    {-1.7600413686, -2}, {3.8921204975, -2},   {1.8558770032, -5},  {-9.9457592874, -8},
    {3.1840945719, -10}, {-5.6072844889, -13}, {5.6075059059, -16}, {-3.2020720003, -19},
    {9.7151147152, -23}, {-1.2104721275, -26},
};

// Type N, -270.0 ... 0.0 °C, degree 8.
constexpr TabulatedCoefficient kN0[] = {
    {0.0, 0},
    {2.6159105962, -2},
    {1.0957484228, -5},
    {-9.3841111554, -8},
    {-4.6412039759, -11},
    {-2.6303357716, -12},
    {-2.2653438003, -14},
    {-7.6089300791, -17},
    {-9.3419667835, -20},
};

// Type N, 0.0 ... 1300.0 °C, degree 10.
constexpr TabulatedCoefficient kN1[] = {
    {0.0, 0},
    {2.5929394601, -2},
    {1.571014188, -5},
    {4.3825627237, -8},
    {-2.5261169794, -10},
    {6.4311819339, -13},
    {-1.0063471519, -15},
    {9.9745338992, -19},
    {-6.0863245607, -22},
    {2.0849229339, -25},
    {-3.0682196151, -29},
};

// Type E, -270.0 ... 0.0 °C, degree 13.
constexpr TabulatedCoefficient kE0[] = {
    {0.0, 0},
    {5.8665508708, -2},
    {4.5410977124, -5},
    {-7.7998048686, -7},
    {-2.5800160843, -8},
    {-5.9452583057, -10},
    {-9.3214058667, -12},
    {-1.0287605534, -13},
    {-8.0370123621, -16},
    {-4.3979497391, -18},
    {-1.6414776355, -20},
    {-3.9673619516, -23},
    {-5.5827328721, -26},
    {-3.4657842013, -29},
};

// Type E, 0.0 ... 1000.0 °C, degree 10.
constexpr TabulatedCoefficient kE1[] = {
    {0.0, 0},
    {5.866550871, -2},
    {4.5032275582, -5},
    {2.8908407212, -8},
    {-3.3056896652, -10},
    {6.502440327, -13},
    {-1.9197495504, -16},
    {-1.2536600497, -18},
    {2.1489217569, -21},
    {-1.4388041782, -24},
    {3.5960899481, -28},
};

// Type J, -210.0 ... 760.0 °C, degree 8.
constexpr TabulatedCoefficient kJ0[] = {
    {0.0, 0},
    {5.0381187815, -2},
    {3.047583693, -5},
    {-8.568106572, -8},
    {1.3228195295, -10},
    {-1.7052958337, -13},
    {2.0948090697, -16},
    {-1.2538395336, -19},
    {1.5631725697, -23},
};

// Type J, 760.0 ... 1200.0 °C, degree 5.
constexpr TabulatedCoefficient kJ1[] = {
    {2.9645625681, 2},   {-1.4976127786, 0}, {3.1787103924, -3},
    {-3.1847686701, -6}, {1.5720819004, -9}, {-3.0691369056, -13},
};

// Type T, -270.0 ... 0.0 °C, degree 14.
constexpr TabulatedCoefficient kT0[] = {
    {0.0, 0},
    {3.8748106364, -2},
    {4.4194434347, -5},
    {1.1844323105, -7},
    {2.0032973554, -8},
    {9.0138019559, -10},
    {2.2651156593, -11},
    {3.6071154205, -13},
    {3.8493939883, -15},
    {2.8213521925, -17},
    {1.4251594779, -19},
    {4.8768662286, -22},
    {1.079553927, -24},
    {1.3945027062, -27},
    {7.9795153927, -31},
};

// Type T, 0.0 ... 400.0 °C, degree 8.
constexpr TabulatedCoefficient kT1[] = {
    {0.0, 0},
    {3.8748106364, -2},
    {3.329222788, -5},
    {2.0618243404, -7},
    {-2.1882256846, -9},
    {1.0996880928, -11},
    {-3.0815758772, -14},
    {4.547913529, -17},
    {-2.7512901673, -20},
};

constexpr TabulatedSubRange kS[] = {
    {-50.0, 1064.18, kS0},
    {1064.18, 1664.5, kS1},
    {1664.5, 1768.1, kS2},
};
constexpr TabulatedSubRange kR[] = {
    {-50.0, 1064.18, kR0},
    {1064.18, 1664.5, kR1},
    {1664.5, 1768.1, kR2},
};
constexpr TabulatedSubRange kB[] = {
    {0.0, 630.615, kB0},
    {630.615, 1820.0, kB1},
};
constexpr TabulatedSubRange kK[] = {
    {-270.0, 0.0, kK0},
    {0.0, 1372.0, kK1},
};
constexpr TabulatedSubRange kN[] = {
    {-270.0, 0.0, kN0},
    {0.0, 1300.0, kN1},
};
constexpr TabulatedSubRange kE[] = {
    {-270.0, 0.0, kE0},
    {0.0, 1000.0, kE1},
};
constexpr TabulatedSubRange kJ[] = {
    {-210.0, 760.0, kJ0},
    {760.0, 1200.0, kJ1},
};
constexpr TabulatedSubRange kT[] = {
    {-270.0, 0.0, kT0},
    {0.0, 400.0, kT1},
};

// Type K inverse, -200 ... 0 °C, -5.891 ... 0 mV, degree 8.
constexpr TabulatedCoefficient kKInverse0[] = {
    {0.0, 0},         {2.5173462, 1},   {-1.1662878, 0},  {-1.0833638, 0},  {-8.977354, -1},
    {-3.7342377, -1}, {-8.6632643, -2}, {-1.0450598, -2}, {-5.1920577, -4},
};

// Type K inverse, 0 ... 500 °C, 0 ... 20.644 mV, degree 9.
constexpr TabulatedCoefficient kKInverse1[] = {
    {0.0, 0},        {2.508355, 1},  {7.860106, -2}, {-2.503131, -1}, {8.31527, -2},
    {-1.228034, -2}, {9.804036, -4}, {-4.41303, -5}, {1.057734, -6},  {-1.052755, -8},
};

// Type K inverse, 500 ... 1372 °C, 20.644 ... 54.886 mV, degree 6.
constexpr TabulatedCoefficient kKInverse2[] = {
    {-1.318058, 2},  {4.830222, 1},  {-1.646031, 0}, {5.464731, -2},
    {-9.650715, -4}, {8.802193, -6}, {-3.11081, -8},
};

// Indexed by ThermocoupleType (list order S, R, B, K, N, E, J, T).
constexpr std::array<std::span<const TabulatedSubRange>, kThermocoupleTypeCount> kReference = {
    kS, kR, kB, kK, kN, kE, kJ, kT,
};

// A negative EMF uses the -200 ... 0 °C set, extrapolated below its stated
// -5.891 mV down to the type's lower EMF limit -6.458 mV.
constexpr TabulatedInverse kKInverse[] = {
    {-200.0, 0.0, 0.0, kKInverse0},
    {0.0, 500.0, 20.644, kKInverse1},
    {500.0, 1372.0, std::numeric_limits<double>::infinity(), kKInverse2},
};

// a0 = 0.1185976, a1 = -1.183432E-04, a2 = 126.9686 °C.
constexpr TabulatedExponential kKExponential = {{1.185976, -1}, {-1.183432, -4}, 126.9686};

} // namespace

std::span<const TabulatedSubRange> TabulatedReferenceFunction(ThermocoupleType type) {
    return kReference[type];
}

std::span<const TabulatedInverse> TabulatedTypeKInverse() {
    return kKInverse;
}

const TabulatedExponential& TabulatedTypeKExponential() {
    return kKExponential;
}

} // namespace velmaro::sensors
