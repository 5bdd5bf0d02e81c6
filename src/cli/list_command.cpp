#include "cli/list_command.h"

#include "cli/json_output.h"
#include "cli/unit_lookup.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

// Terminal columns of UTF-8 text: East Asian wide characters take two.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xC0U) == 0x80U) {
            continue; // continuation byte
        }
        ++width;
        if ((lead & 0xF0U) == 0xE0U && i + 2 < text.size()) {
            const unsigned codePoint = ((lead & 0x0FU) << 12U) |
                                       ((static_cast<unsigned char>(text[i + 1]) & 0x3FU) << 6U) |
                                       (static_cast<unsigned char>(text[i + 2]) & 0x3FU);
            if ((codePoint >= 0x2E80U && codePoint <= 0xA4CFU) ||
                (codePoint >= 0xFF00U && codePoint <= 0xFF60U)) {
                ++width;
            }
        }
    }
    return width;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ListQuantity(const Quantity& quantity, OutputBuffer& out) {
    out << quantity.id << " (" << texts::QuantityName(quantity) << ")\n";
    std::vector<std::string> names;
    std::size_t width = 0;
    for (std::size_t i = 0; i < quantity.group->size(); ++i) {
        names.push_back(TypedName({&quantity, i}));
        width = std::max(width, DisplayWidth(names.back()));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        out << "  " << names[i] << std::string(width - DisplayWidth(names[i]) + 2, ' ')
            << Trimmed(texts::UnitLabel(quantity, i)) << '\n';
    }
}

// One quantity as a JSON object: its id, its name, and each unit's symbol,
// aliases, label and the name it must be typed by.
void ListQuantityJson(const Quantity& quantity, OutputBuffer& out) {
    Json units = Json::array();
    for (std::size_t i = 0; i < quantity.group->size(); ++i) {
        const UnitRef unit{&quantity, i};
        Json aliases = Json::array();
        ForEachName(unit.unit(), [&](std::string_view name) {
            if (name != unit.symbol()) {
                aliases.push_back(name);
            }
        });
        units.push_back({{"symbol", unit.symbol()},
                         {"typed", TypedName(unit)},
                         {"aliases", std::move(aliases)},
                         {"label", Trimmed(texts::UnitLabel(quantity, i))}});
    }
    out << JsonLine({{"quantity", quantity.id},
                     {"name", texts::QuantityName(quantity)},
                     {"units", std::move(units)}});
}

} // namespace

void RunList(const Request& request, OutputBuffer& out) {
    const auto list = request.json ? ListQuantityJson : ListQuantity;
    if (request.quantity) {
        list(QuantityNamed(*request.quantity), out);
        return;
    }
    bool first = true;
    for (const Quantity& quantity : Quantities()) {
        if (!first && !request.json) {
            out << '\n';
        }
        first = false;
        list(quantity, out);
    }
}

} // namespace velmaro::cli
