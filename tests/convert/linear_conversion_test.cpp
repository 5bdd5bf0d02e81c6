#include "convert/change_cycle.h"
#include "linear_groups.h"
#include "res/category_table.h"
#include "res/texts/texts.h"
#include "res/unit_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro {
namespace {

using namespace velmaro::tables;
using testing::kLinearGroups;
using testing::LinearGroup;
using testing::UnitNamed;

// The unit of `group` that the window's control `controlId` shows, or the
// number of units when none: the cases below name their source as the
// window's field that is typed into.
std::size_t UnitShownBy(const FieldGroup& group, int controlId) {
    std::span<const int> ids;
    for (const res::UnitControls* fields : {&res::kPressureFields, &res::kMassFlowFields,
                                            &res::kVolumeFlowFields, &res::kTemperatureFields}) {
        ids = fields->group == &group ? fields->controlIds : ids;
    }
    std::vector<int> dialogIds;
    for (const res::Category& category : res::kCategories) {
        if (category.dialog.group == &group) {
            for (const res::FieldPlace& place : category.dialog.fields) {
                dialogIds.push_back(place.controlId);
            }
            ids = dialogIds;
        }
    }
    return static_cast<std::size_t>(std::find(ids.begin(), ids.end(), controlId) - ids.begin());
}

std::vector<UnitText> Convert(const FieldGroup& group, int controlId, std::string_view typed) {
    return velmaro::Convert(group, UnitShownBy(group, controlId), typed);
}

std::string TextOf(const FieldGroup& group, const std::vector<UnitText>& written,
                   std::string_view unit) {
    const std::size_t index = UnitNamed(group, unit);
    if (index == group.size()) {
        return "<no such unit>";
    }
    for (const UnitText& field : written) {
        if (field.unitIndex == index) {
            return field.text;
        }
    }
    return "<not written>";
}

struct Shown {
    const char* unit;
    const char* text;
};

struct EdgeCase {
    const char* name;
    const FieldGroup* group;
    int sourceId;
    const char* typed;
    std::vector<Shown> shown;
};

// clang-format off
const EdgeCase kEdgeCases[] = {
    {"1 atm", &kPressure, 1016, "1",
     {{"Pa", "101325.000000"}, {"Torr", "760.000000"}, {"mmHg", "760.000000"},
      {"bar", "1.013250"}, {"psi", "14.695900"}, {"mba", "1013.250000"}, {"MPa", "0.101325"},
      {"kPa", "101.325000"}, {"mmH2O", "10332.000000"}, {"inHg", "29.921300"},
      {"inH2O", "406.782500"}, {"lb/ft2", "2116.216700"}, {"kg/cm2", "1.033200"}}},
    // The standard atmosphere as engineers know it, within the entries' seven digits.
    {"760 Torr", &kPressure, 1068, "760",
     {{"mmHg", "760.000000"}, {"bar", "1.013250"}, {"MPa", "0.101325"},
      {"mba", "1013.250240"}, {"kPa", "101.325024"}}},
    {"760 mmHg", &kPressure, 1019, "760",
     {{"Torr", "760.000000"}, {"bar", "1.013250"}, {"MPa", "0.101325"},
      {"mba", "1013.250240"}, {"kPa", "101.325024"}}},
    {"1 t/h, a year of 8000 hours", &kMassFlow, 1034, "1",
     {{"kg/h", "1000.000000"}, {"kg/s", "0.277780"}, {"t/d", "24.000000"},
      {"t/a", "8000.000000"}, {"lb/s", "0.612400"}, {"lb/h", "2204.622600"},
      {"lb/d", "52911.000000"}}},
    {"1 t/a", &kMassFlow, 1036, "1", {{"kg/h", "0.125000"}, {"kg/s", "0.000035"}}},
    {"1 m3/h", &kVolumeFlow, 1045, "1",
     {{"l/min", "16.666700"}, {"l/s", "0.277780"}, {"bbl/d", "150.955500"},
      {"m3/min", "0.016667"}, {"m3/s", "0.000278"}, {"ft3/min", "0.588570"},
      {"ft3/s", "0.009810"}, {"gal(US)/min", "4.402868"}, {"gal(UK)/min", "3.666300"}}},
    {"1 in", &kLength, 1020, "1",
     {{"km", "0.00002540"}, {"m", "0.02540000"}, {"cm", "2.54000000"}, {"mm", "25.40000000"},
      {"μm", "25400.00000000"}, {"ft", "0.08330000"}, {"yd", "0.02780000"},
      {"lb", "72.00000000"}}},
    {"1 mm", &kLength, 1018, "1", {{"cm", "0.10000000"}, {"m", "0.00100000"}}},
    {"1 lb as 1/72 in", &kLength, 1025, "1", {{"μm", "352.77800000"}, {"mm", "0.35280000"}}},
    {"1 acre", &kArea, 1035, "1",
     {{"km2", "0.00400000"}, {"m2", "4046.85600000"}, {"ft2", "43560.00000000"}}},
    {"1 km2", &kArea, 1026, "1",
     {{"市亩", "1500.00000000"}, {"Acer", "247.10540000"}, {"cm2", "10000000000.00000000"}}},
    {"1 m3", &kVolume, 1038, "1",
     {{"in3", "61024.00000000"}, {"ft3", "35.31470000"}, {"市尺3", "27.00000000"}}},
    {"1 gal(US)", &kCapacity, 1049, "1",
     {{"I,L", "3.785400"}, {"ml", "3785.412000"}, {"in3", "231.000000"}, {"m3", "0.003785"},
      {"kl,kL", "0.003785"}}},
    {"1 in3 of liquid", &kCapacity, 1042, "1", {{"I,L", "0.016387"}}},
    {"1 t", &kMass, 1167, "1",
     {{"Mg", "1.00000000"}, {"Kg", "1000.00000000"}, {"lb", "2204.62260000"},
      {"short t(US)", "1.10230000"}, {"long t(UK)", "0.98421000"}, {"市斤", "2000.00000000"}}},
    {"1 short ton", &kMass, 1173, "1", {{"Kg", "907.18000000"}, {"lb", "2000.00000000"}}},
    {"1 kgf", &kForce, 1104, "1",
     {{"g", "1000.00000000"}, {"N", "9.80670000"}, {"dyn", "980670.00000000"},
      {"short t(US)", "0.00110000"}, {"long t(UK)", "0.00098421"}}},
    {"1 pdl", &kForce, 1110, "1", {{"lb", "0.03110000"}}},
    {"1 m/s", &kSpeed, 1175, "1",
     {{"km/h", "3.600000"}, {"n mile/h", "1.943800"}, {"kn", "1.943800"}}},
    {"1 n mile/h", &kSpeed, 1183, "1", {{"m/s", "0.511400"}, {"kn", "1.000000"}}},
    {"1 kn", &kSpeed, 1106, "1", {{"m/s", "0.514400"}}},
    {"1 mile/h", &kSpeed, 1182, "1", {{"km/h", "1.609300"}, {"m/h", "1609.344000"}}},
    {"1 g/ml", &kDensity, 1115, "1", {{"kg/m3", "999.970000"}, {"kg/dm3", "1.000000"}}},
    {"1 kg/m3", &kDensity, 1113, "1", {{"g/ml", "0.001000"}, {"lb/ft3", "0.062428"}}},
    {"1 J", &kEnergy, 1144, "1",
     {{"mJ", "1000.00000000"}, {"kcal", "0.00023885"}, {"Kw.h", "0.00000028"},
      {"ft.lb", "0.73757000"}, {"ft.pdl", "23.73040000"}}},
    {"1 kWh", &kEnergy, 1149, "1",
     {{"J", "3600000.00000000"}, {"kcal", "859.84520000"}, {"BTU", "3412.14160000"},
      {"Hp.h", "1.34100000"}}},
    {"1 mJ, below the last decimal", &kEnergy, 1143, "1",
     {{"MJ", "0.00000000"}, {"Kw.h", "0.00000000"}, {"Hp.h", "0.00000000"}}},
    {"1 W", &kPower, 1156, "1",
     {{"kg.m/s", "0.10200000"}, {"kcal/h", "0.85980000"}, {"HP", "0.00130000"},
      {"erg/s", "10000000.00000000"}, {"J/s", "1.00000000"}}},
    {"1 J/s", &kPower, 1162, "1",
     {{"kg.m/s", "0.10200000"}, {"kcal/h", "0.85980000"}, {"HP", "0.00130000"},
      {"erg/s", "10000000.00000000"}, {"W", "1.00000000"}}},
    {"1 HP", &kPower, 1166, "1", {{"W", "745.69990000"}, {"J/s", "745.70000000"}}},
    {"1 W/(cm2)", &kHeatFlux, 1135, "1",
     {{"kW/(m2)", "10.000000"}, {"cal/(cm2.s)", "0.238800"}, {"kcal/(m2.h)", "8598.452300"},
      {"BTU/(ft2.h)", "3169.983300"}}},
    {"1 kcal/(m2.h)", &kHeatFlux, 1140, "1",
     {{"W/(cm2)", "0.000116"}, {"kW/(m2)", "0.001163"}, {"cal/(cm2.h)", "0.100000"},
      {"BTU/(ft2.h)", "0.368700"}}},
    {"1 W/(m2.℃)", &kHeatTransferCoef, 1125, "1",
     {{"W/(cm2.℃)", "0.000100"}, {"kcal/(m2.h.℃)", "0.859800"}, {"BTU/(ft2.h.°F)", "0.176100"}}},
    {"1 W(m.K)", &kThermalConductivity, 1081, "1",
     {{"W(cm.K)", "0.010000"}, {"kcal/(m.h.K)", "0.859800"}, {"BTU/(ft.h.°F)", "0.577800"},
      {"kcal/(cm.s.K)", "0.000002"}}},
    {"1 mPa.s", &kDynamicViscosity, 1190, "1",
     {{"cP", "1.00000000"}, {"Pa.s", "0.00100000"}, {"kg/(m.h)", "3.60000000"},
      {"lb.s/ft2", "0.00002089"}}},
    {"1 P", &kDynamicViscosity, 1193, "1",
     {{"dyn.s/cm2", "1.00000000"}, {"cP", "100.00000000"}, {"lb.s/ft2", "0.00208850"}}},
    {"1 cSt", &kKinematicViscosity, 1202, "1",
     {{"mm2/s", "1.000000"}, {"St", "0.010000"}, {"m2/s", "0.000001"}, {"m2/h", "0.003600"}}},
    {"1 cm2/s", &kDiffusionCoef, 1131, "1",
     {{"m2/h", "0.360000"}, {"in2/s", "0.155000"}, {"ft2/h", "3.875000"}}},
    {"1 N/m", &kSurfaceTension, 1184, "1",
     {{"mN/m", "1000.000000"}, {"dyn/cm", "1000.000000"}, {"g/cm", "1.019700"},
      {"kg/m", "0.102000"}, {"lb/ft", "0.068500"}}},
    // A value whose text runs far past 17 significant digits is written in full.
    {"1e22 kJ", &kEnergy, 1145, "1e22", {{"mJ", "9999999999999999583119736832.00000000"}}},
    {"overflow", &kLength, 1014, "1e999", {{"μm", "inf"}, {"lb", "inf"}}},
    {"negative overflow", &kMassFlow, 1032, "-1e999", {{"t/a", "-inf"}}},
};
// clang-format on

TEST(LinearConversion, ShowsTheListedValues) {
    for (const EdgeCase& c : kEdgeCases) {
        SCOPED_TRACE(c.name);
        const std::vector<UnitText> written = Convert(*c.group, c.sourceId, c.typed);
        ASSERT_EQ(written.size(), c.group->size() - 1);
        for (const Shown& s : c.shown) {
            EXPECT_EQ(TextOf(*c.group, written, s.unit), s.text) << "in " << s.unit;
        }
    }
}

// The zero text of a group's format.
std::string Zero(FixedFormat format) {
    return format.precision == 8 ? "0.00000000" : "0.000000";
}

// Runs `check` for every source field of every linear group.
template <typename Check> void ForEverySource(Check check) {
    for (const LinearGroup& row : kLinearGroups) {
        for (std::size_t s = 0; s < row.group->size(); ++s) {
            SCOPED_TRACE(std::string(row.name) + ", typed into " +
                         std::string(texts::UnitLabel(*row.group, s)));
            check(*row.group, s);
        }
    }
}

TEST(LinearConversion, WritesEveryOtherFieldOnceAndNeverTheSource) {
    ForEverySource([](const FieldGroup& group, std::size_t s) {
        const std::vector<UnitText> written = velmaro::Convert(group, s, "1");
        std::vector<std::size_t> expected;
        for (std::size_t t = 0; t < group.size(); ++t) {
            if (t != s) {
                expected.push_back(t);
            }
        }
        std::vector<std::size_t> ids;
        for (const UnitText& field : written) {
            ids.push_back(field.unitIndex);
        }
        EXPECT_EQ(ids, expected);
    });
}

TEST(LinearConversion, TextWithoutALeadingNumberGivesZeros) {
    ForEverySource([](const FieldGroup& group, std::size_t s) {
        for (const char* typed : {"abc", "-", ".", "", "-."}) {
            for (const UnitText& field : velmaro::Convert(group, s, typed)) {
                EXPECT_EQ(field.text, Zero(group.format)) << '"' << typed << '"';
            }
        }
    });
}

TEST(LinearConversion, ReadsOnlyTheLeadingNumber) {
    ForEverySource([](const FieldGroup& group, std::size_t s) {
        const std::vector<UnitText> twelve = velmaro::Convert(group, s, "12");
        const std::vector<UnitText> thousand = velmaro::Convert(group, s, "1000");
        const std::vector<UnitText> two = velmaro::Convert(group, s, "2");
        const std::vector<UnitText> trailing = velmaro::Convert(group, s, " 12abc");
        const std::vector<UnitText> exponent = velmaro::Convert(group, s, "1e3");
        const std::vector<UnitText> negative = velmaro::Convert(group, s, "-2");
        for (std::size_t k = 0; k < twelve.size(); ++k) {
            EXPECT_EQ(trailing[k].text, twelve[k].text);
            EXPECT_EQ(exponent[k].text, thousand[k].text);
            EXPECT_EQ(negative[k].text, "-" + two[k].text);
        }
    });
}

TEST(LinearConversion, EachFieldIsTheTypedValueTimesItsOwnEntry) {
    // Values whose products differ when a result is fed through another unit.
    const struct {
        const char* typed;
        double value;
    } inputs[] = {{"1", 1.0},
                  {"0.1", 0.1},
                  {"123.456", 123.456},
                  {"-7.25e-3", -7.25e-3},
                  {"98765.4321", 98765.4321},
                  {"1e300", 1e300}};
    ForEverySource([&](const FieldGroup& group, std::size_t s) {
        for (const auto& input : inputs) {
            const std::vector<UnitText> written = velmaro::Convert(group, s, input.typed);
            for (const UnitText& field : written) {
                const std::size_t t = field.unitIndex;
                EXPECT_EQ(field.text, FormatFixed(input.value * group.factor(s, t), group.format))
                    << input.typed << " into " << group.units[t].symbol;
            }
        }
    });
}

TEST(LinearConversion, HugeValuesKeepEveryDigit) {
    // 1e300 Pa is 1e294 MPa: 295 digits before the point, no exponent, and the
    // text reads back as the very same double.
    const std::string text = TextOf(kPressure, Convert(kPressure, 1066, "1e300"), "MPa");
    EXPECT_EQ(text.size(), 295u + 1u + 6u);
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(ParseNumber(text), 1e300 * 0.000001);
}

TEST(LinearConversion, AControlOutsideTheGroupWritesNothing) {
    EXPECT_TRUE(Convert(kPressure, 1032, "1").empty()); // a mass-flow field
    EXPECT_TRUE(Convert(kLength, 1026, "1").empty());   // an area field
    EXPECT_TRUE(velmaro::Convert(kLength, kLength.size(), "1").empty());
}

} // namespace
} // namespace velmaro
