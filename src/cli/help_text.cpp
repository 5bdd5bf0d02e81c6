#include "cli/help_text.h"

#include "tools/tools.h"

namespace velmaro::cli {
namespace {

constexpr std::string_view kHead =
    R"help(Usage: velmaro-convert [--json] [--strict] VALUE UNIT [TARGET]
  or:  velmaro-convert [--json] [--strict] UNIT [TARGET] < VALUES
  or:  velmaro-convert [--json] [--strict] --sensor TYPE --temperature T|--emf MV|--resistance OHM
  or:  velmaro-convert [--json] [--strict] --table TYPE [--from T1] [--to T2] [--step S] [--csv]
  or:  velmaro-convert [--json] [--strict] --table steam [--by temperature|pressure] --from A --to B --step C [--csv]
  or:  velmaro-convert [--json] --list [QUANTITY]
  or:  velmaro-convert )help";

// After the tools' ids on the usage line.
constexpr std::string_view kHeadRest =
    R"help( [--json] [--strict] [--print RESULT,...] OPTIONS
Convert between units with the digits the Velmaro windows show, convert
thermocouple and resistance-thermometer readings, print reference tables, and
work out the tools of the windows: water and steam, the thermocouple cold
junction, transmitter signals, gas flow at reference conditions and
differential-pressure flowmeters.

VALUE is read as a unit field reads its text: the leading number counts
(12abc is 12) and text without one is 0; with --strict it must be a number
and nothing else. So is every number an option takes, in every mode. A VALUE
of - or no VALUE reads one value per line from standard input, and so does
- for a sensor value or a tool's primary input (its --help says which); a
refused line is named by its number on standard error and the lines after it
are still read. Without TARGET every other unit of UNIT's quantity is
printed, one per line: the value as the window shows it, a blank and the
unit's symbol. With TARGET only the value is printed.

UNIT and TARGET are unit symbols as --list shows them: Pa, kg/cm2,
gal(US)/min, "n mile", "kcal/(m2.h.℃)". A symbol that several quantities use
takes its quantity as a prefix, mass:lb. Temperature takes C, °C, ℃, F, °F,
K and R. A tool's units are the same symbols.

Options:
  --list [QUANTITY]    list the quantities and their units (symbol, label);
                       QUANTITY is an id (pressure) or its Chinese name as
                       --list shows it; with --json one object per quantity
                       and line, each unit with its symbol, aliases and label
  --json               one JSON object per value or row (see JSON below)
  --strict             refuse a number that is not a number through and
                       through (blanks around it aside) instead of reading
                       its leading number
  --sensor TYPE        a sensor type: S R B K N E J T (thermocouples) or
                       Pt100 Pt10 Cu100 Cu50 Pt1000 Pt500 (resistance
                       thermometers)
  --temperature T      the EMF in mV or the resistance in ohms at T °C
  --emf MV             the temperature in °C of a thermocouple EMF
  --resistance OHM     the temperature in °C of a resistance
  --table TYPE         the type's reference table: whole degrees in rows of
                       10 °C, three decimals, over the type's range
  --from T1, --to T2   limit the table to T1 ... T2 °C
  --csv                the table as temperature_C,emf_mV (or resistance_ohm)
                       rows for spreadsheets; no row passes T1 or T2
  --step S             the step of a --csv or --json table in °C (default
                       1, at least 0.000001)
  --table steam        the saturated-steam table (t, p, v', v'', h', h'', the
                       latent heat r, s', s''), --by temperature (the
                       default) in C or by pressure in MPa, from A to B by C
                       (at least 0.01 C or 0.000001 MPa); no row passes A or
                       B
  -h, --help           print this help and exit; with a TOOL, the tool's
                       help
  -V, --version        print the version and exit

The sensor values print as the sensor panel prints them: the EMF or
resistance with six decimals, a temperature with two.

Tools: every tool takes --json, --strict and --print RESULT[,RESULT...]
(only the results named, one per line as value and unit, without names);
velmaro-convert TOOL --help lists its options alone. A tool prints one
result per line, "name value unit" as its window shows the value; results
without a name print as "value unit"; the saturated liquid and vapour (and
the wet steam of --quality) print each under its name, indented. Units are
converted by their definitions. The cold junction's hot end is the exact
inverse of the ITS-90 reference function (type B from 100 °C); --sensor with
--emf alone keeps the sensor panel's inverse polynomials.
)help";

constexpr std::string_view kLegacyHead = R"help(
The tools' older spellings, read as the tools' options:
)help";

constexpr std::string_view kTail = R"help(
JSON: one object per line, numbers as numbers, units named in the keys:
  VALUE UNIT           the numbers the window shows:
    {"quantity":"pressure","input":{"bar":1.0},"results":{"Pa":100000.0,...}}
  --sensor             {"sensor":"K","temperature_C":100.0,"emf_mV":4.09623}
  --table              one object per row of the --csv table
  a TOOL               the lists chosen by entry ("pressure_kind":"gauge"),
                       the inputs given and the results, each in its field's
                       unit named in its key ("p_MPa", "T_K"), null for a
                       result not computed; columns of results as objects
                       ({"liquid":{...},"vapour":{...}})
  A refusal is an object too: "error" (the message), "status" and, for a
  line of standard input, "line"; the object of a value that has results
  keeps them, null where there is none.

Exit status (of several refusals, the one listed first):
  0  done
  1  the results could not be written (a closed pipe, a full disk) or
     standard input could not be read; the run stops there
  2  usage: unknown unit, quantity, type or option, missing or conflicting
     argument, a bad step, a table of over a million rows; with --strict,
     a value that is not a number; input a tool refuses (an upper range
     value equal to the lower one, an absolute pressure or temperature or a
     Z of zero or less, a quality outside 0 ... 1)
  3  a value or table range outside the sensor type's range, an input
     outside what a tool's formulas hold (a state outside IAPWS-IF97), or a
     result beyond the range of a double; nothing but its --json object is
     printed for it. A transmitter signal outside its signal range is
     printed all the same, then reported with status 3.

Examples:
  velmaro-convert 1 bar              1 bar in the 13 other pressure units
  velmaro-convert 14.7 psi kPa       one target only
  velmaro-convert -40 C F            temperature, -40 °C in °F
  velmaro-convert 1 mass:lb Kg       a shared symbol with its quantity
  velmaro-convert bar Pa < values    one result per line of values
  velmaro-convert --sensor K --temperature 100
                                     type K EMF at 100 °C: 4.096230
  velmaro-convert --sensor Pt100 --resistance 138.5
                                     Pt100 at 138.5 ohms: 99.99 °C
  velmaro-convert --sensor K --emf 15.2 --cold-junction 25
                                     hot junction at 395.34 °C
  velmaro-convert transmitter --range 0 1.6 MPa --signal 12.4
                                     12.4 mA is 0.84 MPa, 52.50 %
  velmaro-convert --gas-flow 1200 m3/h --pressure 0.6 MPa --gauge
                  --temperature 40 --to normal
                                     7244.905797 m3/h at 0 °C, 101.325 kPa
  velmaro-convert gas-flow --line-flow 1200 m3/h --pressure 0.6 MPa --gauge
                  --temperature 40      every flow and the mass flow
  velmaro-convert --table K          the ITS-90 table of type K
  velmaro-convert --table Pt100 --from 0 --to 100 --step 0.5 --csv
                                     Pt100 every 0.5 °C for a spreadsheet
  velmaro-convert steam --pressure 10 bar --temperature 300
                                     superheated steam at 10 bar, 300 °C
  velmaro-convert steam --pressure 1 --saturation
                                     saturated water and steam at 1 MPa
  printf '12\n16\n' | velmaro-convert transmitter --range 0 100 kPa --signal -
                                     one signal per line
)help";

} // namespace

std::string HelpText(std::string_view toolSections, std::string_view legacySpellings) {
    std::string help(kHead);
    for (const tools::Tool* tool : tools::AllTools()) {
        if (tool != tools::AllTools().front()) {
            help += '|';
        }
        help += tool->id;
    }
    help += kHeadRest;
    help += toolSections;
    help += kLegacyHead;
    help += legacySpellings;
    help += kTail;
    return help;
}

std::string_view VersionText() {
    return "velmaro-convert (Velmaro) " VELMARO_VERSION "\n";
}

} // namespace velmaro::cli
