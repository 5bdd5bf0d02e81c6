// Fuzzes the conversion step of the change cycle for every field group: the
// 20 linear groups and the temperature scales, with arbitrary field text and
// arbitrary source control ids.
//
// Input: byte 0 chooses the group (modulo 21). Byte 1 chooses the source
// field: below 0xC0 it is a unit of the group (modulo its size); from 0xC0 on
// the next four bytes are the control id itself, any int, so ids of other
// groups and of no field at all get in. The rest is the source field's text.
//
// Invariants (a violation traps):
// - Convert never crashes and reads nothing outside the text or the tables.
// - A source id outside the group gives no texts at all.
// - A source id of the group gives exactly one text for every other unit of
//   the group: size - 1 texts, never one for the source itself.
// - Every text has the group's format: optional "-", digits, ".", exactly the
//   format's number of decimals, or "inf"/"-inf" once the value leaves the
//   double range; never "nan".
// - Every finite text reads back to a value that prints the same text, so the
//   fields the cycle wrote stay as they are when the user types them again.
// - In a linear group every factor is a positive finite number, so each text
//   starts with "-" exactly when the source value does.

#include "fuzz_check.h"

#include "convert/change_cycle.h"
#include "convert/number_text.h"
#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

using velmaro::FieldGroup;
using velmaro::UnitText;
using velmaro::fuzz::HasFixedShape;
using velmaro::fuzz::HasFormatShape;
namespace tables = velmaro::tables;

const FieldGroup* const kGroups[] = {
    &tables::kPressure,
    &tables::kMassFlow,
    &tables::kVolumeFlow,
    &tables::kLength,
    &tables::kArea,
    &tables::kVolume,
    &tables::kCapacity,
    &tables::kMass,
    &tables::kForce,
    &tables::kSpeed,
    &tables::kDensity,
    &tables::kEnergy,
    &tables::kPower,
    &tables::kHeatFlux,
    &tables::kHeatTransferCoef,
    &tables::kThermalConductivity,
    &tables::kDynamicViscosity,
    &tables::kKinematicViscosity,
    &tables::kDiffusionCoef,
    &tables::kSurfaceTension,
    &velmaro::kTemperatureGroup,
};
constexpr std::size_t kGroupCount = std::size(kGroups);
static_assert(kGroupCount == 21);

constexpr std::uint8_t kFirstRawIdSelector = 0xC0;

bool StartsWithMinus(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return !text.empty() && text.front() == '-';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const FieldGroup& group = *kGroups[data[0] % kGroupCount];
    std::size_t used = 2;
    std::size_t source = 0;
    if (data[1] < kFirstRawIdSelector) {
        source = data[1] % group.size();
    } else {
        std::uint32_t raw = 0;
        if (size < used + sizeof raw) {
            return 0;
        }
        std::memcpy(&raw, data + used, sizeof raw);
        used += sizeof raw;
        source = raw;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + used), size - used);

    const std::vector<UnitText> written = velmaro::Convert(group, source, text);
    if (source >= group.size()) {
        FUZZ_CHECK(written.empty());
        return 0;
    }
    FUZZ_CHECK(written.size() == group.size() - 1);

    const double x = velmaro::ParseNumber(text);
    std::vector<bool> seen(group.size(), false);
    for (const UnitText& field : written) {
        const std::size_t target = field.unitIndex;
        FUZZ_CHECK(target < group.size());
        FUZZ_CHECK(target != source);
        FUZZ_CHECK(!seen[target]);
        seen[target] = true;

        FUZZ_CHECK(HasFormatShape(field.text, group.format));
        FUZZ_CHECK(field.text.find("nan") == std::string::npos);
        if (field.text.find("inf") == std::string::npos) {
            FUZZ_CHECK(HasFixedShape(field.text, group.format));
            FUZZ_CHECK(velmaro::FormatFixed(velmaro::ParseNumber(field.text), group.format) ==
                       field.text);
        }
        if (group.formula == nullptr) {
            const double factor = group.factor(source, target);
            FUZZ_CHECK(std::isfinite(factor) && factor > 0.0);
            FUZZ_CHECK(StartsWithMinus(field.text) == std::signbit(x));
        }
    }
    return 0;
}
