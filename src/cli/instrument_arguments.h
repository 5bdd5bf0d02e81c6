#pragma once

// The command line of the instrument sums: cold-junction compensation
// (--cold-junction), transmitter scaling (--transmitter) and gas flow at
// reference conditions (--gas-flow). Any of the three options makes the whole
// command line one of these; they read it with a grammar of their own.

#include <optional>
#include <span>
#include <string_view>

namespace velmaro::cli {

enum class InstrumentTool { ColdJunction, Transmitter, GasFlow };

// What was given for each option; only the grammar is checked here.
struct InstrumentRequest {
    InstrumentTool tool = InstrumentTool::ColdJunction;
    bool json = false;
    bool strict = false; // every number given must be a number through and through

    // --sensor TYPE --emf MV | --temperature T --cold-junction T
    std::string_view sensorType;
    std::optional<std::string_view> emf;
    std::optional<std::string_view> temperature; // also the line temperature of --gas-flow
    std::string_view coldJunction;

    // --range LRV URV [UNIT] --signal S | --value V | --percent P
    std::string_view lowerRange;
    std::string_view upperRange;
    std::string_view rangeUnit;
    std::optional<std::string_view> signalLow; // --signal-range LOW HIGH [mA|V]
    std::string_view signalHigh;
    std::string_view signalUnit;
    std::optional<std::string_view> signal;
    std::optional<std::string_view> value;
    std::optional<std::string_view> percent;
    bool squareRoot = false;
    std::optional<std::string_view> cutOff;

    // --gas-flow Q UNIT --pressure P UNIT [--gauge] --temperature T
    std::string_view flow;
    std::string_view flowUnit;
    std::optional<std::string_view> pressure;
    std::string_view pressureUnit;
    bool gauge = false;
    std::optional<std::string_view> from; // line, or normal when --to is line
    std::string_view to = "normal";
    std::optional<std::string_view> z;
    std::optional<std::string_view> zRef;
    std::optional<std::string_view> density;
    std::optional<std::string_view> molarMass;
};

// Whether the arguments ask for an instrument sum (and not for help).
bool IsInstrumentRequest(std::span<const std::string_view> args);

// Reads them; refuses what does not fit the grammar with a usage error.
InstrumentRequest ParseInstrumentArguments(std::span<const std::string_view> args);

} // namespace velmaro::cli
