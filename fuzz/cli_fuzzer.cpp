// Fuzzes the command line of velmaro-convert: any arguments, any standard
// input, in every mode: conversions, --list, --sensor, --table (the sensor
// types' and the steam table) and the tools (steam, cold-junction,
// transmitter, gas-flow, in their own and their older spellings).
//
// Input: the arguments one per line, then an empty line, then the text on
// standard input (missing: no arguments, empty input). A table that would
// have more than kMostFuzzedRows rows is skipped: correct, but far too slow
// to fuzz; the tests cover the refusal of a million rows.
//
// Invariants (a violation traps):
// - No crash, no sanitizer finding, whatever the arguments and the input.
// - The exit status is 0, 2 or 3 (the streams here never fail).
// - Status 0 writes nothing on standard error.
// - Any other status writes whole lines on standard error, each starting with
//   "velmaro-convert: " and free of control characters.
// - A usage error (2) in the arguments is found before anything is printed:
//   with nothing on standard input and no --json among the options, standard
//   output stays empty.
// - With --json (help and version aside), every line of standard output is
//   one JSON object, and each refusal on standard error has its object there
//   with "error" and "status".
// - Every row of a sensor type's --csv table lies within --from ... --to (by
//   default the type's range), the first row at --from or above it.

#include "fuzz_check.h"

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/run.h"
#include "cli/sensor_catalog.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kMostFuzzedRows = 500;

struct Table {
    double from;
    double to;
    double rows;  // about
    bool checked; // a sensor type's --csv table, whose rows are checked
};

struct Asked {
    std::optional<velmaro::cli::Request> request; // none: refused
    std::optional<Table> table;
};

// What the arguments ask for. The table's bounds are read as ParseNumber
// reads them, as the run does without --strict.
Asked AskedFor(const std::vector<std::string_view>& args) {
    Asked asked;
    try {
        asked.request = velmaro::cli::ParseArguments(args);
    } catch (const velmaro::cli::CliError&) {
        return asked;
    }
    const velmaro::cli::Request& request = *asked.request;
    if (request.command != velmaro::cli::Command::Table) {
        return asked;
    }
    const auto number = [](const std::optional<std::string>& text, double otherwise) {
        return text ? velmaro::ParseNumber(*text) : otherwise;
    };
    try {
        if (request.sensorType == "steam") {
            const double from = number(request.from, 0.0);
            const double to = number(request.to, 0.0);
            const double step = number(request.step, 0.0);
            asked.table = Table{from, to, step > 0.0 ? (to - from) / step : 0.0, false};
            return asked;
        }
        const velmaro::cli::SensorType& type = velmaro::cli::SensorTypeNamed(request.sensorType);
        const double from = number(request.from, type.celsius.low);
        const double to = number(request.to, type.celsius.high);
        const double step = number(request.step, 1.0);
        const bool rows = request.csv || request.json;
        asked.table = Table{from, to,
                            !rows        ? to - from
                            : step > 0.0 ? (to - from) / step
                                         : 0.0,
                            request.csv && !request.json};
    } catch (const velmaro::cli::CliError&) {
    }
    return asked;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

void CheckJsonLines(const std::string& out, const std::string& err) {
    std::size_t refusals = 0;
    for (const std::string_view line : Lines(out)) {
        const auto object = nlohmann::json::parse(line, nullptr, false);
        FUZZ_CHECK(object.is_object());
        if (object.contains("error")) {
            FUZZ_CHECK(object.contains("status"));
            ++refusals;
        }
    }
    FUZZ_CHECK(refusals == Lines(err).size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n\n");
    const std::string_view argText = input.substr(0, split);
    const std::string stdinText(split == std::string_view::npos ? std::string_view()
                                                                : input.substr(split + 2));
    std::vector<std::string_view> args;
    for (std::size_t start = 0; !argText.empty() && start <= argText.size();) {
        const std::size_t end = std::min(argText.find('\n', start), argText.size());
        args.push_back(argText.substr(start, end - start));
        start = end + 1;
    }
    const Asked asked = AskedFor(args);
    if (asked.table && !(asked.table->rows <= kMostFuzzedRows)) {
        return 0;
    }

    std::istringstream in(stdinText);
    std::ostringstream out;
    std::ostringstream err;
    const int status = velmaro::cli::Run(args, in, out, err);
    const std::string outText = out.str();
    const std::string errText = err.str();

    FUZZ_CHECK(status == 0 || status == 2 || status == 3);
    if (status == 0) {
        FUZZ_CHECK(errText.empty());
    } else {
        FUZZ_CHECK(errText.starts_with("velmaro-convert: "));
        FUZZ_CHECK(errText.back() == '\n');
        for (std::size_t i = 0; i < errText.size(); ++i) {
            const auto byte = static_cast<unsigned char>(errText[i]);
            FUZZ_CHECK((byte >= 0x20U && byte != 0x7FU) || byte == '\n');
            if (byte == '\n' && i + 1 < errText.size()) {
                FUZZ_CHECK(errText.compare(i + 1, 17, "velmaro-convert: ") == 0);
            }
        }
    }
    // Refusals are objects whenever --json stands among the options; the
    // results only when it was read as --json (not as another option's value).
    const bool jsonRefusals = velmaro::cli::AsksForJson(args);
    if (status == 2 && stdinText.empty() && !jsonRefusals) {
        FUZZ_CHECK(outText.empty());
    }
    const auto command = asked.request ? asked.request->command : velmaro::cli::Command::Convert;
    const bool json = asked.request ? asked.request->json : jsonRefusals;
    if (json && command != velmaro::cli::Command::Help &&
        command != velmaro::cli::Command::Version) {
        CheckJsonLines(outText, errText);
    }
    if (asked.table && asked.table->checked && status == 0) {
        std::istringstream rows(outText);
        std::string row;
        std::getline(rows, row); // the heading
        while (std::getline(rows, row)) {
            const double celsius = velmaro::ParseNumber(row);
            FUZZ_CHECK(celsius >= asked.table->from && celsius <= asked.table->to);
        }
    }
    return 0;
}
