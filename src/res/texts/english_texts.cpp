// The program's texts in English (UTF-8), by the ids of chinese_texts.cpp.
// Unit symbols stay as the windows have always shown them ("mba", "Kg",
// "Acer"); the Chinese market units are named in pinyin. Where a control
// leaves little room, a text takes the short form engineers write. The tools'
// texts are in english_tool_texts.h, which the table below takes in.

#include "res/texts/english_tool_texts.h"
#include "res/texts/texts.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace velmaro::texts {
namespace {

// clang-format off
constexpr Text kEnglish[] = {
    // The sensor panel.
    {"sensor.emf", "EMF"},
    {"sensor.emf.unit", " mV"},
    {"sensor.resistance", "Resistance"},
    {"sensor.resistance.unit", " Ω"},
    {"sensor.out-of-range", "Out of range"},
    {"sensor.out-of-range.caption", "Error"},
    {"sensor.type.S", "Type S: PtRh10–Pt"},
    {"sensor.type.R", "Type R: PtRh13–Pt"},
    {"sensor.type.B", "Type B: PtRh30–PtRh6"},
    {"sensor.type.K", "Type K: NiCr–NiSi"},
    {"sensor.type.N", "Type N: NiCrSi–NiSi"},
    {"sensor.type.E", "Type E: NiCr–CuNi"},
    {"sensor.type.J", "Type J: Fe–CuNi"},
    {"sensor.type.T", "Type T: Cu–CuNi"},
    {"sensor.type.Pt100", "Pt100 platinum RTD"},
    {"sensor.type.Pt10", "Pt10 platinum RTD"},
    {"sensor.type.Cu100", "Cu100 copper RTD"},
    {"sensor.type.Cu50", "Cu50 copper RTD"},
    {"sensor.type.Pt1000", "Pt1000 platinum RTD"},
    {"sensor.type.Pt500", "Pt500 platinum RTD"},
    // Quantities: the short names, which the category buttons show.
    {"quantity.pressure", "Pressure"},
    {"quantity.mass-flow", "Mass flow"},
    {"quantity.volume-flow", "Volume flow"},
    {"quantity.temperature", "Temperature"},
    {"quantity.length", "Length"},
    {"quantity.area", "Area"},
    {"quantity.volume", "Volume"},
    {"quantity.capacity", "Capacity"},
    {"quantity.mass", "Mass"},
    {"quantity.force", "Force"},
    {"quantity.speed", "Speed"},
    {"quantity.density", "Density"},
    {"quantity.energy", "Energy"},
    {"quantity.power", "Power"},
    {"quantity.heat-flux", "Heat flux"},
    {"quantity.heat-transfer-coefficient", "Heat-transfer coefficient"},
    {"quantity.thermal-conductivity", "Thermal conductivity"},
    {"quantity.dynamic-viscosity", "Dynamic viscosity"},
    {"quantity.kinematic-viscosity", "Kinematic viscosity"},
    {"quantity.diffusion", "Diffusion coefficient"},
    {"quantity.surface-tension", "Surface tension"},
    // pressure
    {"unit.pressure.Pa", "Pa (pascal)"},
    {"unit.pressure.Torr", "Torr"},
    {"unit.pressure.bar", "bar"},
    {"unit.pressure.psi", "psi (lbf/in²)"},
    {"unit.pressure.mbar", "mba (millibar)"},
    {"unit.pressure.MPa", "MPa (megapascal)"},
    {"unit.pressure.kPa", "kPa (kilopascal)"},
    {"unit.pressure.mmHg", "mmHg (mm mercury)"},
    {"unit.pressure.mmH2O", "mmH2O (mm water)"},
    {"unit.pressure.inHg", "inHg (in mercury)"},
    {"unit.pressure.inH2O", "inH2O (in water)"},
    {"unit.pressure.atm", "atm (std. atmosphere)"},
    {"unit.pressure.lb/ft2", "lb/ft2 (lbf/ft²)"},
    {"unit.pressure.kg/cm2", "kg/cm2 (kgf/cm²)"},
    // mass-flow
    {"unit.mass-flow.kg/h", "kg/h (kg per hour)"},
    {"unit.mass-flow.kg/s", "kg/s (kg per second)"},
    {"unit.mass-flow.t/h", "t/h (tonnes per hour)"},
    {"unit.mass-flow.t/d", "t/d (tonnes per day)"},
    {"unit.mass-flow.t/a", "t/a (tonnes per year)"},
    {"unit.mass-flow.lb/s", "lb/s (lb per second)"},
    {"unit.mass-flow.lb/h", "lb/h (lb per hour)"},
    {"unit.mass-flow.lb/d", "lb/d (lb per day)"},
    // volume-flow
    {"unit.volume-flow.l/min", "l/min (litres per minute)"},
    {"unit.volume-flow.l/s", "l/s (litres per second)"},
    {"unit.volume-flow.bbl/d", "bbl/d (barrels per day)"},
    {"unit.volume-flow.m3/h", "m3/h (m³ per hour)"},
    {"unit.volume-flow.m3/min", "m3/min (m³ per minute)"},
    {"unit.volume-flow.m3/s", "m3/s (m³ per second)"},
    {"unit.volume-flow.ft3/min", "ft3/min (ft³ per minute)"},
    {"unit.volume-flow.ft3/s", "ft3/s (ft³ per second)"},
    {"unit.volume-flow.gal(US)/min", "gal(US)/min (US gpm)"},
    {"unit.volume-flow.gal(UK)/min", "gal(UK)/min (UK gpm)"},
    // temperature
    {"unit.temperature.°C", "°C (Celsius)"},
    {"unit.temperature.°F", "°F (Fahrenheit)"},
    {"unit.temperature.K", "K (kelvin)"},
    {"unit.temperature.R", "R (Rankine)"},
    // length
    {"unit.length.km", "km"},
    {"unit.length.m", "m"},
    {"unit.length.dm", "dm"},
    {"unit.length.cm", "cm"},
    {"unit.length.mm", "mm"},
    {"unit.length.μm", "μm"},
    {"unit.length.in", "in"},
    {"unit.length.ft", "ft"},
    {"unit.length.yd", "yd"},
    {"unit.length.mile", "mile"},
    {"unit.length.n mile", "n mile"},
    {"unit.length.lb", "lb"},
    // area
    {"unit.area.km2", "km2"},
    {"unit.area.hm2", "hm2"},
    {"unit.area.m2", "m2"},
    {"unit.area.dm2", "dm2"},
    {"unit.area.cm2", "cm2"},
    {"unit.area.mm2", "mm2"},
    {"unit.area.in2", "in2"},
    {"unit.area.ft2", "ft2"},
    {"unit.area.yd2", "yd2"},
    {"unit.area.acre", "Acer"},
    {"unit.area.chi2", "chi2"},
    {"unit.area.mu", "mu"},
    // volume
    {"unit.volume.m3", "m3"},
    {"unit.volume.dm3", "dm3"},
    {"unit.volume.cm3", "cm3"},
    {"unit.volume.mm3", "mm3"},
    {"unit.volume.in3", "in3"},
    {"unit.volume.ft3", "ft3"},
    {"unit.volume.yd3", "yd3"},
    {"unit.volume.chi3", "chi3"},
    // capacity
    {"unit.capacity.m3", "m3"},
    {"unit.capacity.kL", "kl,kL"},
    {"unit.capacity.l", "I,L"},
    {"unit.capacity.ml", "ml"},
    {"unit.capacity.in3", "in3"},
    {"unit.capacity.ft3", "ft3"},
    {"unit.capacity.gal(US)", "gal(US)"},
    {"unit.capacity.gal(UK)", "gal(Uk)"},
    {"unit.capacity.bbl(US)", "bbl(US)"},
    {"unit.capacity.bbl(UK)", "bbl(UK)"},
    // mass
    {"unit.mass.t", "t"},
    {"unit.mass.Mg", "Mg"},
    {"unit.mass.kg", "Kg"},
    {"unit.mass.g", "g"},
    {"unit.mass.mg", "mg"},
    {"unit.mass.μg", "μg"},
    {"unit.mass.gr", "gr"},
    {"unit.mass.oz", "oz"},
    {"unit.mass.lb", "lb"},
    {"unit.mass.short t(US)", "short t(US)"},
    {"unit.mass.long t(UK)", "long t(UK)"},
    {"unit.mass.jin", "jin"},
    // force
    {"unit.force.kgf", "kgf"},
    {"unit.force.g", "g"},
    {"unit.force.kN", "kN"},
    {"unit.force.N", "N"},
    {"unit.force.dyn", "dyn"},
    {"unit.force.gr", "gr"},
    {"unit.force.pdl", "pdl"},
    {"unit.force.lb", "lb"},
    {"unit.force.short t(US)", "short t(US)"},
    {"unit.force.long t(UK)", "long t(UK)"},
    // speed
    {"unit.speed.m/s", "m/s"},
    {"unit.speed.m/min", "m/min"},
    {"unit.speed.m/h", "m/h"},
    {"unit.speed.km/h", "km/h"},
    {"unit.speed.ft/s", "ft/s"},
    {"unit.speed.ft/min", "ft/min"},
    {"unit.speed.yd/s", "yd/s"},
    {"unit.speed.mile/h", "mile/h"},
    {"unit.speed.n mile/h", "n mile/h"},
    {"unit.speed.kn", "kn"},
    // density
    {"unit.density.kg/m3", "kg/m3"},
    {"unit.density.kg/dm3", "kg/dm3"},
    {"unit.density.g/ml", "g/ml"},
    {"unit.density.g/cm3", "g/cm3"},
    {"unit.density.g/m3", "g/m3"},
    {"unit.density.Mg/m3", "Mg/m3"},
    {"unit.density.t/m3", "t/m3"},
    {"unit.density.lb/in3", "lb/in3"},
    {"unit.density.lb/ft3", "lb/ft3"},
    {"unit.density.lb/gal[US]", "lb/gal[US]"},
    {"unit.density.lb/gal[UK]", "lb/gal[UK]"},
    {"unit.density.t[UK]/yd3", "t[UK]/yd3"},
    // energy
    {"unit.energy.mJ", "mJ"},
    {"unit.energy.J", "J"},
    {"unit.energy.kJ", "kJ"},
    {"unit.energy.MJ", "MJ"},
    {"unit.energy.kcal", "kcal"},
    {"unit.energy.BTU", "BTU"},
    {"unit.energy.kWh", "Kw.h"},
    {"unit.energy.Hp.h", "Hp.h"},
    {"unit.energy.kg.m", "kg.m"},
    {"unit.energy.ft.lb", "ft.lb"},
    {"unit.energy.l.atm", "I.atm"},
    {"unit.energy.ft.pdl", "ft.pdl"},
    // power
    {"unit.power.mW", "mW"},
    {"unit.power.W", "W"},
    {"unit.power.kW", "kW"},
    {"unit.power.MW", "MW"},
    {"unit.power.kg.m/s", "kg.m/s"},
    {"unit.power.kcal/h", "kcal/h"},
    {"unit.power.ft.lb/s", "ft.lb/s"},
    {"unit.power.HP", "HP"},
    {"unit.power.BTU/min", "BTU/min"},
    {"unit.power.BTU/h", "BTU/h"},
    {"unit.power.erg/s", "erg/s"},
    {"unit.power.J/s", "J/s"},
    // heat-flux
    {"unit.heat-flux.W/cm2", "W/(cm2)"},
    {"unit.heat-flux.kW/m2", "kW/(m2)"},
    {"unit.heat-flux.cal/(cm2.s)", "cal/(cm2.s)"},
    {"unit.heat-flux.cal/(cm2.h)", "cal/(cm2.h)"},
    {"unit.heat-flux.kcal/(m2.s)", "kcal/(m2.s)"},
    {"unit.heat-flux.kcal/(m2.h)", "kcal/(m2.h)"},
    {"unit.heat-flux.BTU/(ft2.s)", "BTU/(ft2.s)"},
    {"unit.heat-flux.BTU/(ft2.h)", "BTU/(ft2.h)"},
    // heat-transfer-coefficient
    {"unit.heat-transfer-coefficient.W/(m2.K)", "W/(m2.℃)"},
    {"unit.heat-transfer-coefficient.W/(cm2.K)", "W/(cm2.℃)"},
    {"unit.heat-transfer-coefficient.kcal/(m2.s.K)", "kcal/(m2.s.℃)"},
    {"unit.heat-transfer-coefficient.kcal/(m2.h.K)", "kcal/(m2.h.℃)"},
    {"unit.heat-transfer-coefficient.BTU/(ft2.s.F)", "BTU/(ft2.s.°F)"},
    {"unit.heat-transfer-coefficient.BTU/(ft2.h.F)", "BTU/(ft2.h.°F)"},
    // thermal-conductivity
    {"unit.thermal-conductivity.W/(m.K)", "W(m.K)"},
    {"unit.thermal-conductivity.W/(cm.K)", "W(cm.K)"},
    {"unit.thermal-conductivity.kcal/(cm.s.K)", "kcal/(cm.s.K)"},
    {"unit.thermal-conductivity.kcal/(cm.h.K)", "kcal/(cm.h.K)"},
    {"unit.thermal-conductivity.kcal/(m.s.K)", "kcal/(m.s.K)"},
    {"unit.thermal-conductivity.kcal/(m.h.K)", "kcal/(m.h.K)"},
    {"unit.thermal-conductivity.BTU/(in.s.F)", "BTU/(in.s.°F)"},
    {"unit.thermal-conductivity.BTU/(in.h.F)", "BTU/(in.h.°F)"},
    {"unit.thermal-conductivity.BTU/(ft.s.F)", "BTU/(ft.s.°F)"},
    {"unit.thermal-conductivity.BTU/(ft.h.F)", "BTU/(ft.h.°F)"},
    // dynamic-viscosity
    {"unit.dynamic-viscosity.mPa.s", "mPa.s"},
    {"unit.dynamic-viscosity.Pa.s", "Pa.s"},
    {"unit.dynamic-viscosity.cP", "cP"},
    {"unit.dynamic-viscosity.P", "P"},
    {"unit.dynamic-viscosity.kg/(m.s)", "kg/(m.s)"},
    {"unit.dynamic-viscosity.kg/(m.h)", "kg/(m.h)"},
    {"unit.dynamic-viscosity.lb/(ft.s)", "lb/(ft.s)"},
    {"unit.dynamic-viscosity.lb/(ft.h)", "lb/(ft.h)"},
    {"unit.dynamic-viscosity.dyn.s/cm2", "dyn.s/cm2"},
    {"unit.dynamic-viscosity.kgf.s/m2", "kgf.s/m2"},
    {"unit.dynamic-viscosity.lb.s/ft2", "lb.s/ft2"},
    {"unit.dynamic-viscosity.lb.h/ft2", "lb.h/ft2"},
    // kinematic-viscosity
    {"unit.kinematic-viscosity.cSt", "cSt"},
    {"unit.kinematic-viscosity.St", "St"},
    {"unit.kinematic-viscosity.mm2/s", "mm2/s"},
    {"unit.kinematic-viscosity.cm2/s", "cm2/s"},
    {"unit.kinematic-viscosity.m2/s", "m2/s"},
    {"unit.kinematic-viscosity.m2/h", "m2/h"},
    {"unit.kinematic-viscosity.ft2/s", "ft2/s"},
    {"unit.kinematic-viscosity.ft2/h", "ft2/h"},
    // diffusion
    {"unit.diffusion.cm2/s", "cm2/s"},
    {"unit.diffusion.m2/h", "m2/h"},
    {"unit.diffusion.in2/s", "in2/s"},
    {"unit.diffusion.ft2/h", "ft2/h"},
    // surface-tension
    {"unit.surface-tension.N/m", "N/m"},
    {"unit.surface-tension.mN/m", "mN/m"},
    {"unit.surface-tension.g/cm", "g/cm"},
    {"unit.surface-tension.kg/m", "kg/m"},
    {"unit.surface-tension.dyn/cm", "dyn/cm"},
    {"unit.surface-tension.lb/ft", "lb/ft"},
    // The main window's panels.
    {"panel.pressure", "Pressure"},
    {"panel.temperature", "Temperature"},
    {"panel.flow", "Flow"},
    {"panel.flow.mass", "Mass flow:"},
    {"panel.flow.volume", "Volume flow:"},
    {"panel.categories", "Other conversions"},
    // The sensor panel.
    {"sensor.panel", "ITS-90 sensors"},
    {"sensor.thermocouple", "Thermocouple"},
    {"sensor.rtd", "RTD"},
    {"sensor.temperature", "Temp."},
    {"sensor.voltage", "Voltage"},
    {"sensor.unit.°C", "°C"},
    {"sensor.unit.°F", "°F"},
    {"sensor.unit.K", "K"},
    {"sensor.unit.R", "R"},
    // The main window, the maker and its contact lines.
    {"main.title", "TharnixV2.0 --- Oskelta: precision, integrity, practicality, quality in detail"},
    {"font.dialog", "Arial"},
    {"maker.company", "Oskelta Instruments Co., Ltd."},
    {"maker.address", "88 Example Road, Hangzhou"},
    {"maker.web-invitation", "Visit the Oskelta web site for more engineering tools       "},
    {"contact.phone", "Phone:"},
    {"contact.fax", "Fax:"},
    {"contact.service-phone", "Service:"},
    {"contact.messenger", "Chat:"},
    // The About box. The company's name needs no caption.
    {"about.title", "About TharnixV1.0"},
    {"about.company", ""},
    {"about.address", "Address: "},
    {"about.phone", "Phone: "},
    {"about.fax", "Fax: "},
    {"about.post-code", "Post code: "},
    // The window menu.
    {"menu.restore", "&Restore"},
    {"menu.move", "&Move"},
    {"menu.minimize", "Mi&nimize"},
    {"menu.close", "&Close\tAlt+F4"},
    {"menu.about", "&About Velmaro..."},
    {"menu.language", "Language / 语言"},
    // The category dialogs' titles.
    {"category.length", "Length conversion"},
    {"category.area", "Area conversion"},
    {"category.volume", "Volume conversion"},
    {"category.capacity", "Capacity conversion"},
    {"category.mass", "Mass conversion"},
    {"category.density", "Density conversion"},
    {"category.speed", "Speed conversion"},
    {"category.force", "Force conversion"},
    {"category.energy", "Energy conversion"},
    {"category.power", "Power conversion"},
    {"category.heat-flux", "Heat flux conversion"},
    {"category.heat-transfer-coefficient", "Heat-transfer coefficient conversion"},
    {"category.thermal-conductivity", "Thermal conductivity conversion"},
    {"category.dynamic-viscosity", "Dynamic viscosity conversion"},
    {"category.kinematic-viscosity", "Kinematic viscosity conversion"},
    {"category.diffusion", "Diffusion coefficient conversion"},
    {"category.surface-tension", "Surface tension conversion"},
    // Lists.
    {"list.separator", ", "},
    {"list.and", " and "},
    // The help window.
    {"help.title", "Velmaro Help"},
    {"help.ok", "OK"},
    {"help.contents", "What it converts"},
    {"help.contents.text",
     "Main window: pressure ({pressure} units), temperature ({temperature-units}), mass flow ({mass-flow} units) and volume flow ({volume-flow} units).\n"
     "ITS-90 sensors: from a temperature, the EMF (mV) of a thermocouple (types {thermocouples}) or the resistance (Ω) of an RTD ({rtds}), and back.\n"
     "Other conversions: {categories} buttons, each opening a conversion window: {category-names}.\n"
     "Instrument calculations (Ctrl+I): thermocouple cold-junction compensation, transmitter signals, gas flow at line and normal conditions.\n"
     "Water and steam (Ctrl+H): the state of water and steam by IAPWS-IF97 from pressure and temperature, specific enthalpy or specific entropy, and saturated water and steam.\n"
     "Flowmeter (Ctrl+L): orifice plates, nozzles and Venturi tubes by ISO 5167: the flow from Δp, Δp from the flow, or the bore."},
    {"help.numbers", "Typing numbers"},
    {"help.numbers.text",
     "Type a number into the field of any unit: the other fields of its group follow at once, with no key to confirm.\n"
     "The decimal point is always \".\", whatever the regional settings; exponents work too: 1.5e3 is 1500.\n"
     "Only the leading number counts: \"12abc\" is read as 12, the text after the number is ignored;\n"
     "an empty field, or text that does not start with a number (\"abc\", \"-\", \".\"), is read as 0.\n"
     "In the sensor panel, type only into the °C and mV (or Ω) fields; the °F, K and R fields show results.\n"
     "A value outside the range of the selected type shows \"{out-of-range}\" and gives 0.\n"
     "Tab moves to the next field; Esc closes a window, Enter does not close a conversion window."},
    {"help.results", "How results are computed"},
    {"help.results.text",
     "Unit conversions are computed in double precision from fixed factor tables and shown with a fixed number of decimals; temperatures follow the definitions of the scales, sensors the standards below.\n"
     "Nothing is read or written but the language chosen in the window menu; no network is used, and no value is kept after a window closes."},
    {"help.standards", "Standards of the sensor panel"},
    {"help.standards.text",
     "Thermocouples: ITS-90 reference functions, coefficients from NIST Monograph 175 (as in IEC 60584-1), reference junction at 0 °C; from an EMF, type K uses the standard's inverse function, the other types solve the reference function by bisection.\n"
     "Platinum RTDs Pt100, Pt10, Pt1000, Pt500: the Callendar–Van Dusen equation of IEC 60751,\n"
     "    A = 3.9083×10⁻³, B = −5.775×10⁻⁷, C = −4.183×10⁻¹² (C only below 0 °C).\n"
     "Copper RTDs Cu100, Cu50 (−50 … 150 °C):\n"
     "    from a temperature, R = R0[1 + αt + βt(t − 100) + γt²(t − 100)],\n"
     "        α = 4.28×10⁻³, β = −9.31×10⁻⁸, γ = 1.23×10⁻⁹;\n"
     "    from a resistance, solve R = R0(1 + At + Bt² + Ct³),\n"
     "        A = 4.28899×10⁻³, B = −2.133×10⁻⁷, C = 1.233×10⁻⁹."},
    // The page.
    {"page.title", "Velmaro unit converter"},
    {"page.description", "Pressure, temperature, flow, thermocouple and RTD conversions, and seventeen more quantities"},
    {"page.sensor-family", "Sensor"},
    {"page.sensor-type", "Sensor type"},
    {"page.jump", "Go to"},
    {"page.noscript", "This page needs JavaScript."},
    {"page.language", "English"},
};
// clang-format on

// The catalogue's and sensors' texts, then the tools'.
constexpr auto kAllEnglish = JoinedTexts(kEnglish, kEnglishToolTexts);

} // namespace

std::span<const Text> EnglishTexts() {
    return kAllEnglish;
}

} // namespace velmaro::texts
