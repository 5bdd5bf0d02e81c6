#pragma once

// The units' definitions in SI units, from NIST SP 811 (2008 edition,
// appendix B) and the SI brochure (9th edition); exact where the definition
// is exact. The Chinese market units are exact by their own definition:
// 1 shi chi = 1/3 m, 1 shi jin = 0.5 kg, 1 shi mu = 60 square zhang =
// 10000/15 m2.
//
// The catalogue gives every unit its SI value from these (unit.si); the
// tools convert by them, and a test derives every entry of the windows'
// rounded factor tables from them.

namespace velmaro::si {

inline constexpr double kInch = 0.0254;                     // m
inline constexpr double kFoot = 12 * kInch;                 // m
inline constexpr double kYard = 3 * kFoot;                  // m
inline constexpr double kMile = 1609.344;                   // m, statute
inline constexpr double kNauticalMile = 1852;               // m
inline constexpr double kPoint = kInch / 72;                // m, typographic
inline constexpr double kChi = 1.0 / 3;                     // m, shi chi
inline constexpr double kMu = 10000.0 / 15;                 // m2, shi mu
inline constexpr double kAcre = 4840 * kYard * kYard;       // m2
inline constexpr double kCubicInch = kInch * kInch * kInch; // m3
inline constexpr double kCubicFoot = kFoot * kFoot * kFoot; // m3
inline constexpr double kLitre = 1e-3;                      // m3
inline constexpr double kGallonUS = 231 * kCubicInch;       // m3, 3.785411784 L
inline constexpr double kGallonUK = 4.54609e-3;             // m3, imperial
inline constexpr double kBarrelUS = 42 * kGallonUS;         // m3, oil barrel
inline constexpr double kPound = 0.45359237;                // kg
inline constexpr double kGrain = kPound / 7000;             // kg
inline constexpr double kOunce = kPound / 16;               // kg, avoirdupois
inline constexpr double kJin = 0.5;                         // kg, shi jin
inline constexpr double kGravity = 9.80665;                 // m/s2, standard
inline constexpr double kPoundForce = kPound * kGravity;    // N
inline constexpr double kPoundal = kPound * kFoot;          // N
inline constexpr double kAtmosphere = 101325;               // Pa
inline constexpr double kTorr = kAtmosphere / 760;          // Pa
inline constexpr double kMmHg = 133.322387415;              // Pa, conventional
inline constexpr double kCalorie = 4.1868;                  // J, international table
inline constexpr double kBtu = 1055.05585262;               // J, international table
inline constexpr double kFootPound = kFoot * kPoundForce;   // J
inline constexpr double kHorsepower = 550 * kFootPound;     // W
inline constexpr double kHour = 3600;                       // s
inline constexpr double kDay = 24 * kHour;                  // s
inline constexpr double kOperatingYear = 8000 * kHour;      // s, the mass-flow year

// Temperature: kelvins are x * scale + offset.
inline constexpr double kKelvinAtZeroCelsius = 273.15;           // K
inline constexpr double kFahrenheitDegree = 5.0 / 9;             // K, as a difference
inline constexpr double kKelvinAtZeroFahrenheit = 45967.0 / 180; // 459.67 °R in K

} // namespace velmaro::si
