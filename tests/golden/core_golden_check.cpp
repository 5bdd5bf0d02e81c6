// The golden values of the core: for chosen inputs, the exact texts the change
// cycle and the sensor panel print. `--write FILE` writes them from a trusted
// build; `FILE` reads the inputs back from every line, prints them again and
// compares byte for byte, so a build with another compiler, C runtime or
// target proves it prints the same digits. Standard library I/O only: this
// runs under Wine and Node too.

#include "convert/change_cycle.h"
#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/temperature_scales.h"
#include "sensors/rtd.h"
#include "sensors/thermocouple.h"
#include "sensors/thermocouple_brackets.h"
#include "sensors/thermocouple_coefficients.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro {
namespace {

// Typed into every unit field, and read in every format: plain values, each
// form of the number text (exponents, a bare point, trailing letters, no
// number at all), beyond the double range, below every format's last decimal
// (with its sign), and exact binary ties of the six-, five- and two-decimal
// formats.
// clang-format off
constexpr std::string_view kTypedTexts[] = {
    "0", "1", "-2.5", "123456.789012345678", "6.02214076e23", "-1.5E-7", "2.5e+5", "1e400",
    "-1e-12", "12abc", "abc", "", ".5", "-0", "0.0078125", "0.015625", "0.125",
};
// clang-format on

// Near the top of the double range, where products overflow to "inf" or print
// some three hundred digits: typed into the first unit of each group only, to
// keep the file small.
constexpr std::string_view kHugeTexts[] = {"1e300", "-1.7e308"};

constexpr FixedFormat kFormats[] = {kFormat8f, kFormat6f, kFormat2_6f, kFormat5f, kFormat2f};

struct SensorFunction {
    std::string_view name;
    bool rtd;
    sensors::SensorResult (*convert)(unsigned type, double value);
    // Set for the functions into °C: the function whose printed results are
    // typed back into them.
    sensors::SensorResult (*forward)(unsigned type, double celsius);
};

constexpr SensorFunction kSensorFunctions[] = {
    {"tc-emf", false, sensors::ThermocoupleEmf, nullptr},
    {"tc-temp", false, sensors::ThermocoupleTemperature, sensors::ThermocoupleEmf},
    {"rtd-ohms", true, sensors::RtdResistance, nullptr},
    {"rtd-temp", true, sensors::RtdTemperature, sensors::RtdResistance},
};

// A sensor type as the inputs are chosen for it: its two ranges and the values
// where its functions change formula or bracket.
struct SensorType {
    std::string_view name;
    sensors::ClosedRange celsius;
    sensors::ClosedRange reading; // mV or Ω
    std::vector<double> celsiusBreaks;
    std::vector<double> readingBreaks;
};

std::vector<SensorType> SensorTypes(bool rtd) {
    std::vector<SensorType> types;
    if (rtd) {
        for (const sensors::RtdInfo& info : sensors::RtdTypes()) {
            types.push_back({info.name, info.celsius, info.ohms, {0.0}, {}});
        }
        return types;
    }
    for (const sensors::ThermocoupleInfo& info : sensors::ThermocoupleTypes()) {
        SensorType type{info.name, info.celsius, info.emf, {}, {}};
        for (const auto& sub : sensors::TabulatedReferenceFunction(info.type)) {
            type.celsiusBreaks.push_back(sub.upperCelsius);
        }
        for (const auto& bracket : sensors::BisectionPlanFor(info.type).brackets) {
            type.readingBreaks.push_back(bracket.upToEmf);
        }
        if (info.type == sensors::TC_K) {
            type.celsiusBreaks.push_back(sensors::TabulatedTypeKExponential().a2);
            for (const auto& inverse : sensors::TabulatedTypeKInverse()) {
                type.celsiusBreaks.push_back(inverse.upperCelsius);
                type.readingBreaks.push_back(inverse.usedBelowEmf);
            }
        }
        types.push_back(std::move(type));
    }
    return types;
}

void AppendField(std::string& line, std::string_view field) {
    line += '\t';
    line += field;
}

std::string NumberLine(std::string_view text) {
    std::string line = "number";
    AppendField(line, text);
    for (FixedFormat format : kFormats) {
        AppendField(line, FormatFixed(ParseNumber(text), format));
    }
    return line;
}

std::string ConvertLine(const Quantity& quantity, std::size_t source, std::string_view text) {
    std::string line = "convert";
    AppendField(line, quantity.id);
    AppendField(line, quantity.group->units[source].symbol);
    AppendField(line, text);
    for (const UnitText& field : Convert(*quantity.group, source, text)) {
        AppendField(line, field.text);
    }
    return line;
}

// The 64 bits of a double in hex. The sensor functions call the C runtime's
// maths, whose last bit may differ between systems long before a printed
// digit does: the bits show that every build computes the same double.
std::string BitsText(double value) {
    std::uint64_t bits = 0; // memcpy: the WebAssembly build's library has no std::bit_cast
    std::memcpy(&bits, &value, sizeof bits);
    std::string text(16, '0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = "0123456789abcdef"[(bits >> (60 - 4 * i)) & 0xFU];
    }
    return text;
}

// What the sensor panel prints: from °C, the result and the other scales of
// the typed temperature to six decimals; into °C, the temperature to two and
// its other scales to five. Then the bits of the result.
std::string SensorLine(const SensorFunction& function, unsigned type, std::string_view typeName,
                       std::string_view text) {
    const double x = ParseNumber(text);
    const sensors::SensorResult result = function.convert(type, x);
    const bool toCelsius = function.forward != nullptr;
    std::string line{function.name};
    AppendField(line, typeName);
    AppendField(line, text);
    AppendField(line, result.check == sensors::RangeCheck::InRange ? "in" : "out");
    AppendField(line, FormatFixed(result.value, toCelsius ? kFormat2f : kFormatF));
    const OtherScales scales = ScalesFromCelsius(toCelsius ? result.value : x);
    for (double scale : {scales.fahrenheit, scales.kelvin, scales.rankine}) {
        AppendField(line, FormatFixed(scale, toCelsius ? kFormat5f : kFormatF));
    }
    AppendField(line, BitsText(result.value));
    return line;
}

// The typed text of a chosen input: six decimals at most, no trailing zeros.
std::string InputText(double value) {
    std::string text = FormatFixed(value, kFormat6f);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

// A round grid step (1, 2 or 5 times a power of ten) giving about 50 points.
double GridStep(double width) {
    const double decade = std::pow(10.0, std::floor(std::log10(width / 50.0)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * decade >= width / 50.0) {
            return m * decade;
        }
    }
    return 10.0 * decade;
}

// Range ends and breaks with their neighbours a thousandth away, a round grid
// and an odd point in each grid cell, and (into °C) the texts the other
// direction prints at the temperature breaks, typed back.
std::vector<std::string> SensorInputs(const SensorFunction& function, unsigned typeIndex,
                                      const SensorType& type) {
    const bool toCelsius = function.forward != nullptr;
    const sensors::ClosedRange range = toCelsius ? type.reading : type.celsius;
    std::vector<double> marks = toCelsius ? type.readingBreaks : type.celsiusBreaks;
    marks.push_back(range.low);
    marks.push_back(range.high);
    if (toCelsius) {
        std::vector<double> temperatures = type.celsiusBreaks;
        temperatures.push_back(type.celsius.low);
        temperatures.push_back(type.celsius.high);
        for (double t : temperatures) {
            const double printed = function.forward(typeIndex, t).value;
            marks.push_back(ParseNumber(FormatFixed(printed, kFormatF)));
        }
    }
    std::vector<double> values;
    for (double mark : marks) {
        if (std::isfinite(mark)) {
            values.insert(values.end(), {mark - 0.001, mark, mark + 0.001});
        }
    }
    const double step = GridStep(range.high - range.low);
    for (double n = std::ceil(range.low / step); n * step <= range.high; ++n) {
        values.insert(values.end(), {n * step, (n + 0.3713) * step});
    }
    std::sort(values.begin(), values.end());
    std::vector<std::string> texts;
    for (double value : values) {
        std::string text = InputText(value);
        if (texts.empty() || texts.back() != text) {
            texts.push_back(std::move(text));
        }
    }
    return texts;
}

std::vector<std::string> GoldenLines() {
    std::vector<std::string> lines;
    for (const auto& texts : {std::span<const std::string_view>(kTypedTexts),
                              std::span<const std::string_view>(kHugeTexts)}) {
        for (std::string_view text : texts) {
            lines.push_back(NumberLine(text));
        }
    }
    for (const Quantity& quantity : Quantities()) {
        for (std::string_view text : kHugeTexts) {
            lines.push_back(ConvertLine(quantity, 0, text));
        }
        for (std::size_t unit = 0; unit < quantity.group->size(); ++unit) {
            for (std::string_view text : kTypedTexts) {
                lines.push_back(ConvertLine(quantity, unit, text));
            }
        }
    }
    for (const SensorFunction& function : kSensorFunctions) {
        const std::vector<SensorType> types = SensorTypes(function.rtd);
        for (unsigned i = 0; i < types.size(); ++i) {
            for (const std::string& text : SensorInputs(function, i, types[i])) {
                lines.push_back(SensorLine(function, i, types[i].name, text));
            }
        }
    }
    return lines;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// The line this build prints for the inputs of `line`; empty when the line
// names nothing known.
std::string Recompute(std::string_view line) {
    const std::vector<std::string_view> f = SplitFields(line);
    if (f[0] == "number" && f.size() > 1) {
        return NumberLine(f[1]);
    }
    if (f[0] == "convert" && f.size() > 3) {
        const Quantity* quantity = FindQuantity(f[1]);
        if (quantity == nullptr) {
            return {};
        }
        for (std::size_t unit = 0; unit < quantity->group->size(); ++unit) {
            if (quantity->group->units[unit].symbol == f[2]) {
                return ConvertLine(*quantity, unit, f[3]);
            }
        }
        return {};
    }
    for (const SensorFunction& function : kSensorFunctions) {
        if (f[0] != function.name || f.size() < 3) {
            continue;
        }
        const std::vector<SensorType> types = SensorTypes(function.rtd);
        for (unsigned i = 0; i < types.size(); ++i) {
            if (types[i].name == f[1]) {
                return SensorLine(function, i, types[i].name, f[2]);
            }
        }
    }
    return {};
}

constexpr const char* kHeader =
    "# Golden values of the core, one case a line, fields separated by tabs; the\n"
    "# first three or four fields are the inputs, the rest what is printed.\n"
    "# number   text, then its value in %.8f %.6f %2.6f %.5f %.2f\n"
    "# convert  quantity, source unit's symbol, typed text, then the texts of the\n"
    "#          group's other units in the group's order and format\n"
    "# tc-emf, rtd-ohms  type, °C text, range verdict, then the result, °F, K, R (%f),\n"
    "#          and the bits of the result's double in hex\n"
    "# tc-temp, rtd-temp  type, mV or Ω text, range verdict, then °C (%.2f), °F, K, R (%.5f),\n"
    "#          and the bits of the result's double in hex\n"
    "# Regenerate only from a trusted build: core_golden_check --write FILE\n";

int Write(const char* path) {
    std::ofstream out(path, std::ios::binary);
    out << kHeader;
    for (const std::string& line : GoldenLines()) {
        out << line << '\n';
    }
    if (!out.flush()) {
        std::cerr << "cannot write " << path << '\n';
        return 1;
    }
    return 0;
}

int Check(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 1;
    }
    int passed = 0;
    int failed = 0;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string got = Recompute(line);
        if (got == line) {
            ++passed;
        } else if (++failed <= 5) {
            const auto expected = SplitFields(line);
            const auto printed = SplitFields(got);
            std::size_t field = 0;
            while (field < expected.size() && field < printed.size() &&
                   expected[field] == printed[field]) {
                ++field;
            }
            std::cout << "line " << number << ", field " << field + 1
                      << " differs\n  expected: " << line
                      << "\n  got:      " << (got.empty() ? "(not a known case)" : got) << '\n';
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 && passed > 0 ? 0 : 1;
}

} // namespace
} // namespace velmaro

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    if (args.size() == 3 && std::string_view(args[1]) == "--write") {
        return velmaro::Write(args[2]);
    }
    if (args.size() == 2) {
        return velmaro::Check(args[1]);
    }
    std::cerr << "usage: core_golden_check FILE | --write FILE\n";
    return 2;
}
