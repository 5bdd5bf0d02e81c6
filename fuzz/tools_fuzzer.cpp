// Fuzzes every tool through its model, as the windows, the page and the
// command line drive it: random texts (numbers of any size, bytes of any kind)
// in random fields with random units, lists and modes.
//
// Input: byte 0 picks the tool, byte 1 the mode, bytes 2-9 the lists' entries,
// byte 10 the number rule; then, per field, a byte that says what it gets (a
// double from the next eight bytes written as text, or a text of up to 15 raw
// bytes, or nothing), a byte for its unit, and the text's bytes.
//
// Invariants (a violation traps):
// - No crash, no undefined behaviour, no endless search.
// - Every shown value is a fixed-point number with the field's decimals
//   (never "inf", "nan" or "-0.000") or an enumerated result's entry; a
//   verdict is a text id with a status.
// - Water and steam: a state from (p, T) found again from (p, h) and from
//   (p, s) has the same temperature, outside the two-phase dome.

#include "fuzz_check.h"

#include "steam/water_steam.h"
#include "tools/evaluate.h"
#include "tools/field_units.h"
#include "tools/tools.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace velmaro;
using namespace velmaro::tools;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

    double NextDouble() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = bits << 8U | Next();
        }
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckShown(const Tool& tool, std::size_t field, const Shown& shown) {
    const Field& f = tool.fields[field];
    if (!f.entries.empty()) {
        FUZZ_CHECK(!shown.text.empty());
        return;
    }
    const FixedFormat format{0, f.decimals};
    FUZZ_CHECK(fuzz::HasFixedShape(shown.text, format));
    FUZZ_CHECK(
        !(shown.text.starts_with('-') && shown.text.find_first_not_of("-0.") == std::string::npos));
}

// (p, h) and (p, s) give (p, T)'s temperature back, off the saturation line.
void CheckSteamRoundTrip(double pressure, double temperature) {
    const auto state = steam::AtPressureTemperature(pressure, temperature);
    if (!state || state->quality) {
        return;
    }
    for (const auto& back : {steam::AtPressureEnthalpy(pressure, state->enthalpy),
                             steam::AtPressureEntropy(pressure, state->entropy)}) {
        FUZZ_CHECK(back.has_value());
        // (p, T) a hair off the saturation line can land on it; and where two
        // regions meet, their equations part by the formulation's allowed
        // inconsistency (0.03 kJ/kg at 1073.15 K), so h and s need not rise
        // across the border: the state comes back in its own region or not at
        // all.
        if (back->quality || back->region != state->region) {
            continue;
        }
        FUZZ_CHECK(std::abs(back->temperature - temperature) <= 1e-6 * temperature);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const auto tools = AllTools();
    const Tool& tool = *tools[bytes.Next() % tools.size()];
    FaceState state = StartState(tool, kCommandLine);
    if (!tool.modes.empty()) {
        state.mode = bytes.Next() % tool.modes.size();
    } else {
        bytes.Next();
    }
    for (std::size_t i = 0; i < 8; ++i) {
        const std::uint8_t entry = bytes.Next();
        if (i < tool.choices.size()) {
            state.chosen[i] = entry % tool.choices[i].entries.size();
        }
    }
    const NumberRule rule = bytes.Next() % 2 == 0 ? NumberRule::Lenient : NumberRule::Strict;
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const std::uint8_t what = bytes.Next();
        const std::uint8_t unit = bytes.Next();
        const std::size_t units = OfferedUnits(tool, tool.fields[i]).size();
        state.units[i] = units > 0 ? unit % units : 0;
        switch (what % 4) {
        case 0: { // a double, written as the command line would get it
            char text[64];
            std::snprintf(text, sizeof text, "%.17g", bytes.NextDouble());
            state.texts[i] = text;
            Typed(tool, state, i);
            break;
        }
        case 1: { // raw bytes
            std::string text;
            for (std::uint8_t n = bytes.Next() % 16; n > 0; --n) {
                text += static_cast<char>(bytes.Next());
            }
            state.texts[i] = text;
            Typed(tool, state, i);
            break;
        }
        case 2:
            state.present[i] = false;
            break;
        default: // the worked example's text stays
            break;
        }
    }

    const Answer answer = Evaluate(tool, state, rule);
    if (answer.fault) {
        FUZZ_CHECK(!answer.fault.textId.empty());
    }
    for (std::size_t c = 0; c < answer.columnCount; ++c) {
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            if (answer.computed[c][i]) {
                CheckShown(tool, i, answer.shown[c][i]);
            }
        }
    }
    if (&tool == &kSteamTool) {
        const Reading reading = Read(tool, state, NumberRule::Lenient);
        const auto pressure = FieldIndex(tool, "pressure");
        const auto temperature = FieldIndex(tool, "temperature");
        CheckSteamRoundTrip(reading.request.values[*pressure],
                            reading.request.values[*temperature]);
    }
    return 0;
}
