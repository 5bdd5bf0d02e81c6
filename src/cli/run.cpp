#include "cli/run.h"

#include "cli/cli_error.h"
#include "cli/conversion_command.h"
#include "cli/help_text.h"
#include "cli/instrument_commands.h"
#include "cli/list_command.h"
#include "cli/output_buffer.h"
#include "cli/sensor_command.h"
#include "cli/table_command.h"

namespace velmaro::cli {
namespace {

constexpr std::string_view kProgram = "velmaro-convert: ";

void Dispatch(const Request& request, std::istream& in, OutputBuffer& out) {
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
    int status = kExitOk;
    {
        OutputBuffer buffer(out);
        try {
            if (IsInstrumentRequest(args)) {
                RunInstrument(ParseInstrumentArguments(args), buffer);
            } else {
                Dispatch(ParseArguments(args), in, buffer);
            }
        } catch (const CliError& error) {
            buffer.Flush(); // the results before a refused value of a batch
            err << kProgram << error.what() << '\n';
            status = error.status();
        }
    }
    out.flush();
    if (!out && status == kExitOk) {
        err << kProgram << "could not write the results\n";
        status = kExitWriteFailed;
    }
    return status;
}

} // namespace velmaro::cli
