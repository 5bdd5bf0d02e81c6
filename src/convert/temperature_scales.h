#pragma once

// The four temperature scales. Their fields form a group like any other, but
// the scales are related by offsets, so the group computes with formulas.
//
// Every Rankine relation goes through the anchor 1 °C = 493.46999 R, so the
// Rankine scale sits 0.00001 below the exact one (0 °C shows 491.669990 R)
// while conversions into and out of Rankine agree with each other.

#include "convert/field_group.h"

namespace velmaro {

// The temperature group, °C, °F, K and R in this order, format "%.6f".
extern const FieldGroup kTemperatureGroup;

struct OtherScales {
    double fahrenheit;
    double kelvin;
    double rankine;
};

// °F, K and R of a Celsius temperature, each operation rounded to double in
// the order the scale panel uses them.
OtherScales ScalesFromCelsius(double celsius);

} // namespace velmaro
