#include "cli/help_text.h"

namespace velmaro::cli {

std::string_view HelpText() {
    return R"help(Usage: velmaro-convert [--json] [--strict] VALUE UNIT [TARGET]
  or:  velmaro-convert [--json] [--strict] UNIT [TARGET] < VALUES
  or:  velmaro-convert [--json] [--strict] --sensor TYPE --temperature T|--emf MV|--resistance OHM
  or:  velmaro-convert --table TYPE [--from T1] [--to T2] [--step S] [--csv]
  or:  velmaro-convert --list [QUANTITY]
Convert between units with the digits the Velmaro windows show, convert
thermocouple and resistance-thermometer readings, and print reference tables.

VALUE is read as a unit field reads its text: the leading number counts
(12abc is 12) and text without one is 0; with --strict it must be a number
and nothing else. A VALUE of - or no VALUE reads one value per line from
standard input; a refused line is named by its number on standard error and
the lines after it are still converted. Without TARGET every other unit of UNIT's
quantity is printed, one per line: the value as the window shows it, a blank
and the unit's symbol. With TARGET only the value is printed.

UNIT and TARGET are unit symbols as --list shows them: Pa, kg/cm2,
gal(US)/min, "n mile", "kcal/(m2.h.℃)". A symbol that several quantities use
takes its quantity as a prefix, mass:lb. Temperature takes C, °C, ℃, F, °F,
K and R.

Options:
  --list [QUANTITY]    list the quantities and their units (symbol, label)
  --json               one JSON object per value; the numbers are the
                       window's texts, as strings, and a refused value is
                       null with an "error"
  --strict             refuse a value that is not a number through and
                       through (blanks around it aside) instead of reading
                       its leading number
  --sensor TYPE        a sensor type: S R B K N E J T (thermocouples) or
                       Pt100 Pt10 Cu100 Cu50 (resistance thermometers)
  --temperature T      the EMF in mV or the resistance in ohms at T °C
  --emf MV             the temperature in °C of a thermocouple EMF
  --resistance OHM     the temperature in °C of a resistance
  --table TYPE         the type's reference table: whole degrees in rows of
                       10 °C, three decimals, over the type's range
  --from T1, --to T2   limit the table to T1 ... T2 °C
  --csv                the table as temperature_C,emf_mV (or resistance_ohm)
                       rows for spreadsheets; no row passes T1 or T2
  --step S             the step of a --csv table in °C (default 1, at
                       least 0.000001)
  -h, --help           print this help and exit
  -V, --version        print the version and exit

The sensor values are read like VALUE and may be - for standard input. They
print as the sensor panel prints them: the EMF or resistance with six
decimals, a temperature with two.

Exit status (of several refusals, the one listed first):
  0  done
  1  the results could not be written (a closed pipe, a full disk) or
     standard input could not be read; the run stops there
  2  usage: unknown unit, quantity, type or option, missing or conflicting
     argument, a bad step, a table of over a million rows; with --strict,
     a value that is not a number
  3  a value or table range outside the sensor type's range, or a result
     beyond the range of a double; nothing but its --json object is printed
     for it

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
  velmaro-convert --table K          the ITS-90 table of type K
  velmaro-convert --table Pt100 --from 0 --to 100 --step 0.5 --csv
                                     Pt100 every 0.5 °C for a spreadsheet
)help";
}

std::string_view VersionText() {
    return "velmaro-convert (Velmaro) " VELMARO_VERSION "\n";
}

} // namespace velmaro::cli
