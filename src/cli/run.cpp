#include "cli/run.h"

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/conversion_command.h"
#include "cli/diagnostics.h"
#include "cli/help_text.h"
#include "cli/list_command.h"
#include "cli/output_buffer.h"
#include "cli/sensor_command.h"
#include "cli/table_command.h"
#include "cli/tool_command.h"
#include "cli/value_source.h"

namespace velmaro::cli {
namespace {

void Dispatch(const Request& request, std::istream& lines, Diagnostics& diagnostics,
              OutputBuffer& out) {
    // A tool reads its numbers by its own rule, which names the option.
    ValueInput in(lines, diagnostics, request.strict && request.command != Command::Tool);
    switch (request.command) {
    case Command::Help:
        out << request.help;
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
    case Command::Tool:
        RunTool(request.tool, in, out);
        break;
    }
}

} // namespace

int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    Diagnostics diagnostics(err);
    OutputBuffer buffer(out);
    if (AsksForJson(args)) {
        diagnostics.EchoAsJson(buffer);
    }
    try {
        Dispatch(ParseArguments(args), in, diagnostics, buffer);
        buffer.Flush();
    } catch (const CliError& error) {
        try {
            // With --json, its object follows the results before it.
            diagnostics.Report(error);
            if (error.status() != kExitIoFailed) {
                buffer.Flush();
            }
        } catch (const CliError& writeError) {
            diagnostics.Report(writeError);
        }
    }
    return diagnostics.status();
}

} // namespace velmaro::cli
