#include "cli/help_text.h"

namespace velmaro::cli {

std::string_view HelpText() {
    return R"help(Usage: velmaro-convert [--json] [--strict] VALUE UNIT [TARGET]
  or:  velmaro-convert [--json] [--strict] UNIT [TARGET] < VALUES
  or:  velmaro-convert [--json] [--strict] --sensor TYPE --temperature T|--emf MV|--resistance OHM
  or:  velmaro-convert --table TYPE [--from T1] [--to T2] [--step S] [--csv]
  or:  velmaro-convert [--json] --list [QUANTITY]
  or:  velmaro-convert [--json] [--strict] --sensor TYPE --emf MV|--temperature T
                       --cold-junction TC
  or:  velmaro-convert [--json] [--strict] --transmitter --range LRV URV [UNIT]
                       --signal S|--value V|--percent P [--signal-range LO HI
                       [mA|V]] [--sqrt [--cut-off PCT]]
  or:  velmaro-convert [--json] [--strict] --gas-flow Q UNIT [--pressure P UNIT
                       [--gauge] --temperature T] [--from COND] [--to COND]
                       [--z Z] [--z-ref Z] [--density RHO|--molar-mass M]
  or:  velmaro-convert [--json] --steam --pressure P [UNIT] [--gauge]
         --temperature T [UNIT]|--enthalpy H|--entropy S
  or:  velmaro-convert [--json] --steam --pressure P [UNIT]|--temperature T [UNIT]
         --saturation|--quality X
  or:  velmaro-convert --table steam --by temperature|pressure --from A --to B
         --step C [--csv]
Convert between units with the digits the Velmaro windows show, convert
thermocouple and resistance-thermometer readings, print reference tables, and
work out the instrument sums one step past a conversion.

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
  --list [QUANTITY]    list the quantities and their units (symbol, label);
                       QUANTITY is an id (pressure) or its Chinese name as
                       --list shows it; with --json one object per quantity
                       and line, each unit with its symbol, aliases and label
  --json               one JSON object per value; the numbers are the
                       window's texts, as strings, and a refused value is
                       null with an "error"
  --strict             refuse a value that is not a number through and
                       through (blanks around it aside) instead of reading
                       its leading number; with the instrument options,
                       every number given
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
  --step S             the step of a --csv table in °C (default 1, at
                       least 0.000001)
  -h, --help           print this help and exit
  -V, --version        print the version and exit

Water and steam (IAPWS-IF97):
  --steam              the properties of water or steam at a state: region,
                       phase, T, p, v, rho, h, u, s, cp, cv, w and x
  --pressure P [UNIT]  P in MPa, or in any pressure unit of --list pressure
  --gauge              P is read over the atmosphere's 101.325 kPa
  --temperature T [UNIT]
                       T in C (the default), K or F
  --enthalpy H         h in kJ/kg; --entropy S: s in kJ/(kg K)
  --saturation         saturated liquid and vapour at P or at T
  --quality X          wet steam of quality X (0 ... 1) at P or at T
  --table steam        the saturated-steam table (t, p, v', v'', h', h'', the
                       latent heat r, s', s''), --by temperature in C or by
                       pressure in MPa, from A to B by C
  With --json, one object (or {"liquid":...,"vapour":...} for --saturation)
  with the numbers as the shortest text that reads back as the same double.

Cold-junction compensation (thermocouples only; both junctions within the
type's range, EMF and temperatures as the sensor panel prints them):
  --cold-junction TC   the meter's terminals are at TC °C; with --emf MV the
                       hot-junction temperature E^-1(MV + E(TC)), with
                       --temperature T the EMF the meter reads, E(T) - E(TC)

Transmitter scaling, printed as the signal (3 decimals), the value (6) and
the % of span (2), one per line:
  --transmitter        scale a transmitter signal
  --range LRV URV [UNIT]  the calibrated range; UNIT is only printed
  --signal-range LO HI [mA|V]  4 20 mA (default), 0 20 mA, 1 5 V, 0 10 V or
                       any other
  --signal S, --value V, --percent P  the one face that is given
  --sqrt               square root of a differential-pressure flow meter:
                       flow fraction = sqrt(signal fraction)
  --cut-off PCT        flows below PCT % of span read as 0 (default 1)
A signal outside its range is printed all the same and reported (status 3).

Gas flow at reference conditions, Q2 = Q1 (p1/p2) (T2/T1) (Z2/Z1), printed
as the flow in UNIT at --to conditions and the mass flow in kg/h:
  --gas-flow Q UNIT    a volume flow in a unit of --list volume-flow
  --pressure P UNIT    line pressure in a unit of --list pressure, absolute
                       unless --gauge (then above 101.325 kPa)
  --temperature T      line temperature in °C
  --from COND, --to COND  line, normal (0 °C, 101.325 kPa), standard (20 °C,
                       101.325 kPa) or standard15 (15 °C); from line to
                       normal by default, from normal when --to is line
  --z Z, --z-ref Z     compressibility at line and at reference conditions
                       (default 1)
  --density RHO        normal density in kg/m3 for the mass flow (default
                       air, 1.293)
  --molar-mass M       or the density from the molar mass in g/mol

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
  3  a value or table range outside the sensor type's range, a result
     beyond the range of a double, or a state outside IAPWS-IF97; nothing
     but its --json object is printed for it
  2  also: an upper range value equal to the lower one, an absolute pressure
     or temperature or a Z of zero or less (nothing is printed)
  3  also: a transmitter signal outside its signal range; its results are
     printed all the same

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
  velmaro-convert --transmitter --range 0 1.6 MPa --signal 12.4
                                     12.4 mA is 0.84 MPa, 52.50 %
  velmaro-convert --gas-flow 1200 m3/h --pressure 0.6 MPa --gauge
                  --temperature 40 --to normal
                                     7244.905797 m3/h at 0 °C, 101.325 kPa
  velmaro-convert --table K          the ITS-90 table of type K
  velmaro-convert --table Pt100 --from 0 --to 100 --step 0.5 --csv
                                     Pt100 every 0.5 °C for a spreadsheet
  velmaro-convert --steam --pressure 10 bar --temperature 300
                                     superheated steam at 10 bar, 300 °C
  velmaro-convert --steam --pressure 1 --saturation
                                     saturated water and steam at 1 MPa
)help";
}

std::string_view VersionText() {
    return "velmaro-convert (Velmaro) " VELMARO_VERSION "\n";
}

} // namespace velmaro::cli
