#include "cli/run.h"

#include "cli/cli_error.h"
#include "cli/conversion_command.h"
#include "cli/diagnostics.h"
#include "cli/help_text.h"
#include "cli/instrument_commands.h"
#include "cli/list_command.h"
#include "cli/output_buffer.h"
#include "cli/sensor_command.h"
#include "cli/steam_command.h"
#include "cli/table_command.h"
#include "cli/value_source.h"

namespace velmaro::cli {
namespace {

void Dispatch(const Request& request, ValueInput& in, OutputBuffer& out) {
    switch (request.command) {
    case Command::Help:
        out << HelpText();
        break;
    case Command::Version:
        out << VersionText();
        break;
    case Command::List:
        RunList(request, out);
        break;
    case Command::Convert:
        RunConversion(request, in, out);
        break;
    case Command::Sensor:
        RunSensor(request, in, out);
        break;
    case Command::Table:
        RunTable(request, out);
        break;
    }
}

} // namespace

int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    Diagnostics diagnostics(err);
    OutputBuffer buffer(out);
    try {
        if (IsInstrumentRequest(args)) {
            RunInstrument(ParseInstrumentArguments(args), buffer);
        } else if (IsSteamRequest(args)) {
            RunSteam(args, buffer);
        } else {
            const Request request = ParseArguments(args);
            ValueInput values(in, diagnostics, request.strict);
            Dispatch(request, values, buffer);
        }
        buffer.Flush();
    } catch (const CliError& error) {
        if (error.status() != kExitIoFailed) {
            try {
                buffer.Flush(); // the results before a refusal
            } catch (const CliError& writeError) {
                diagnostics.Report(writeError);
            }
        }
        diagnostics.Report(error);
    }
    return diagnostics.status();
}

} // namespace velmaro::cli
