#include "cli/conversion_command.h"

#include "cli/json_output.h"
#include "cli/result_text.h"
#include "cli/sensor_catalog.h"
#include "cli/unit_lookup.h"
#include "cli/value_source.h"
#include "convert/change_cycle.h"

#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

struct Positionals {
    std::optional<std::string_view> value; // none: standard input
    std::string_view unit;
    std::optional<std::string_view> target;
};

// Two arguments are VALUE UNIT, unless the first names a unit: then they are
// UNIT TARGET and the values come from standard input.
Positionals ReadPositionals(const std::vector<std::string>& args) {
    if (args.size() == 1) {
        return {std::nullopt, args[0], std::nullopt};
    }
    if (args.size() == 2) {
        if (NamesAUnit(args[0])) {
            return {std::nullopt, args[0], args[1]};
        }
        return {CommandLineValue(args[0]), args[1], std::nullopt};
    }
    return {CommandLineValue(args[0]), args[1], args[2]};
}

class ConversionPrinter {
public:
    ConversionPrinter(const Conversion& conversion, bool json)
        : group_(*conversion.source.quantity->group), quantity_(conversion.source.quantity->id),
          source_(conversion.source.index), json_(json) {
        if (conversion.target) {
            target_ = conversion.target->index;
        }
        for (std::size_t i = 0; i < group_.size(); ++i) {
            symbols_.push_back(UnitRef{conversion.source.quantity, i}.symbol());
        }
    }

    void Print(std::string_view text, OutputBuffer& out) {
        if (target_ && !json_) {
            // The batch path: one field formatted, nothing else.
            const std::string result = *ConvertOne(group_, source_, *target_, ParseNumber(text));
            if (!IsFiniteText(result)) {
                RefuseNotFinite(What(text, *target_), result);
            }
            out << result << '\n';
            return;
        }
        const std::vector<std::string> texts = TextsByUnit(text);
        const std::optional<std::size_t> infinite = FirstNotFinite(texts);
        if (json_) {
            PrintJson(text, texts, infinite, out);
            return;
        }
        if (!infinite) {
            if (printedBlock_) {
                out << '\n';
            }
            printedBlock_ = true;
            for (std::size_t i = 0; i < group_.size(); ++i) {
                if (i != source_) {
                    out << texts[i] << ' ' << symbols_[i] << '\n';
                }
            }
        }
        if (infinite) {
            RefuseNotFinite(What(text, *infinite), texts[*infinite]);
        }
    }

private:
    // The texts the change cycle writes, by position in the unit table (the
    // temperature scales write theirs in another order).
    std::vector<std::string> TextsByUnit(std::string_view text) const {
        std::vector<std::string> texts(group_.size());
        for (UnitText& field : Convert(group_, source_, text)) {
            texts[field.unitIndex] = std::move(field.text);
        }
        return texts;
    }

    // The units printed for one value: every other one, or the target.
    bool Printed(std::size_t i) const { return i != source_ && (!target_ || i == *target_); }

    std::optional<std::size_t> FirstNotFinite(const std::vector<std::string>& texts) const {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (Printed(i) && !IsFiniteText(texts[i])) {
                return i;
            }
        }
        return std::nullopt;
    }

    // "1e+308 bar in Pa", for a refusal.
    std::string What(std::string_view text, std::size_t unit) const {
        return ShortestText(ParseNumber(text)) + " " + std::string(symbols_[source_]) + " in " +
               std::string(symbols_[unit]);
    }

    // A result that is not finite is null, and the object says why.
    void PrintJson(std::string_view text, const std::vector<std::string>& texts,
                   std::optional<std::size_t> infinite, OutputBuffer& out) const {
        Json results = Json::object();
        for (std::size_t i = 0; i < group_.size(); ++i) {
            if (Printed(i)) {
                results[std::string(symbols_[i])] = PrintedNumber(texts[i]);
            }
        }
        Json object{{"quantity", quantity_}};
        object["input"] = {{std::string(symbols_[source_]), ParseNumber(text)}};
        object["results"] = std::move(results);
        if (!infinite) {
            out << JsonLine(object);
            return;
        }
        const std::string message = NotFiniteMessage(What(text, *infinite), texts[*infinite]);
        object["error"] = message;
        object["status"] = kExitOutOfRange;
        out << JsonLine(object);
        throw ValueError(message).InJson();
    }

    const FieldGroup& group_;
    std::string_view quantity_;
    std::size_t source_;
    std::optional<std::size_t> target_;
    std::vector<std::string_view> symbols_;
    bool json_;
    bool printedBlock_ = false;
};

} // namespace

void RunConversion(const Request& request, ValueInput& in, OutputBuffer& out) {
    const Positionals args = ReadPositionals(request.positionals);
    ConversionPrinter printer(ResolveConversion(args.unit, args.target), request.json);
    ForEachValue(args.value, in,
                 [&](std::string_view text, std::size_t) { printer.Print(text, out); });
}

} // namespace velmaro::cli
