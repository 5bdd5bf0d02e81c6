#pragma once

// Reference tables of a sensor type: the printed layout of the ITS-90
// thermocouple tables, and rows of comma-separated values for spreadsheets.

#include "cli/sensor_catalog.h"

#include <string>

namespace velmaro::cli {

// Every whole degree from `first` to `last` °C (inside the type's range) in
// rows of 10 °C, as the ITS-90 thermocouple tables print them: a page below
// 0 °C whose columns count down (0, -1 ... -10) with its most negative row
// first, then a page from 0 °C up; each row's last column repeats the next
// row's first, and a blank line follows every five rows. The EMF in mV, or
// the resistance in Ω, with three decimals; a value that rounds to zero
// prints without a sign, as in the published tables.
std::string PrintedTable(const SensorType& type, int first, int last);

// "temperature_C,emf_mV" (or "resistance_ohm") and one row per `step` from
// `from` up to `to` °C, the value as the sensor panel prints it. The
// temperatures carry as many decimals as `from` and `step` need (at most 6),
// and the rows are chosen by that text (PrintedRows): each value is that of
// the temperature as printed, and a row whose printed temperature lies
// outside `from` ... `to` is left out. A step below 0.000001 or of more than
// a million rows is refused (status 2). The caller keeps `from` ... `to`
// inside the type's range.
std::string CsvTable(const SensorType& type, double from, double to, double step);

} // namespace velmaro::cli
