// Fuzzes the command line of velmaro-convert: any arguments, any standard
// input.
//
// Input: the arguments one per line, then an empty line, then the text on
// standard input (missing: no arguments, empty input). A --csv table that
// would have more than kMostFuzzedRows rows is skipped: correct, but far too
// slow to fuzz; the tests cover the refusal of a million rows.
//
// Invariants (a violation traps):
// - No crash, no sanitizer finding, whatever the arguments and the input.
// - The exit status is 0, 2 or 3 (the streams here never fail).
// - Status 0 writes nothing on standard error.
// - Any other status writes whole lines on standard error, each starting with
//   "velmaro-convert: " and free of control characters.
// - A usage error (2) in the arguments is found before anything is printed:
//   without --strict, standard output stays empty.
// - Every row of a --csv table lies within --from ... --to (by default the
//   type's range), the first row at --from or above it.

#include "fuzz_check.h"

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/run.h"
#include "cli/sensor_catalog.h"

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

struct CsvRange {
    double from;
    double to;
    double rows; // about
};

// The range of the --csv table the arguments ask for, if they ask for one.
// The option texts are read as ParseNumber reads them: the run refuses any
// that is not a plain number.
std::optional<CsvRange> AskedCsvRange(const std::vector<std::string_view>& args) {
    try {
        const velmaro::cli::Request request = velmaro::cli::ParseArguments(args);
        if (request.command != velmaro::cli::Command::Table || !request.csv) {
            return std::nullopt;
        }
        const velmaro::cli::SensorType& type = velmaro::cli::SensorTypeNamed(request.sensorType);
        const double from = request.from ? velmaro::ParseNumber(*request.from) : type.celsius.low;
        const double to = request.to ? velmaro::ParseNumber(*request.to) : type.celsius.high;
        const double step = request.step ? velmaro::ParseNumber(*request.step) : 1.0;
        return CsvRange{from, to, step > 0.0 ? (to - from) / step : 0.0};
    } catch (const velmaro::cli::CliError&) {
        return std::nullopt;
    }
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
    const std::optional<CsvRange> csv = AskedCsvRange(args);
    if (csv && !(csv->rows <= kMostFuzzedRows)) {
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
    if (status == 2 && std::find(args.begin(), args.end(), "--strict") == args.end()) {
        FUZZ_CHECK(outText.empty());
    }
    if (csv && status == 0) {
        std::istringstream rows(outText);
        std::string row;
        std::getline(rows, row); // the heading
        while (std::getline(rows, row)) {
            const double celsius = velmaro::ParseNumber(row);
            FUZZ_CHECK(celsius >= csv->from && celsius <= csv->to);
        }
    }
    return 0;
}
