#include "reference_tables.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace velmaro::sensors::testing {
namespace {

const std::string kDataDir = VELMARO_SENSORS_TEST_DATA;

bool ParseDouble(const std::string& token, double& value) {
    const char* end = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

std::ifstream Open(const std::string& name) {
    std::ifstream in(kDataDir + "/" + name);
    if (!in) {
        throw std::runtime_error("cannot open " + name);
    }
    return in;
}

std::vector<TablePoint> ToPoints(const std::map<int, double>& byDegree) {
    std::vector<TablePoint> points;
    for (const auto& [celsius, value] : byDegree) {
        points.push_back({static_cast<double>(celsius), value});
    }
    return points;
}

} // namespace

// The file holds one table per type, each headed "ITS-90 Table for type X
// thermocouple" and followed by its coefficient section (lines starting '*').
// Column headers read "°C 0 -1 -2 ..." on pages below 0 °C and "°C 0 1 2 ..."
// above; a row is its base temperature followed by up to eleven EMFs, the last
// repeating the first of the next row.
std::vector<TablePoint> ThermocoupleTable(char letter) {
    std::ifstream in = Open("its90-all-types-table.tab");
    const std::string heading = std::string("ITS-90 Table for type ") + letter + " thermocouple";
    bool inTable = false;
    int direction = 1;
    std::map<int, double> byDegree;
    std::string line;
    while (std::getline(in, line)) {
        if (line.find("ITS-90 Table for type") != std::string::npos) {
            inTable = line.find(heading) != std::string::npos;
            continue;
        }
        if (!inTable || line.empty()) {
            continue;
        }
        if (line[0] == '*') {
            inTable = false;
            continue;
        }
        std::istringstream tokens(line);
        std::string first;
        tokens >> first;
        if (first == "\xB0"
                     "C") {
            std::string zero;
            std::string next;
            tokens >> zero >> next;
            direction = next[0] == '-' ? -1 : 1;
            continue;
        }
        double base = 0.0;
        if (!ParseDouble(first, base)) {
            continue;
        }
        std::string token;
        for (int column = 0; tokens >> token; ++column) {
            double emf = 0.0;
            if (!ParseDouble(token, emf)) {
                throw std::runtime_error("unreadable EMF in: " + line);
            }
            const int celsius = static_cast<int>(base) + direction * column;
            const auto [it, inserted] = byDegree.emplace(celsius, emf);
            if (!inserted && it->second != emf) {
                throw std::runtime_error("inconsistent repeat in: " + line);
            }
        }
    }
    return ToPoints(byDegree);
}

std::vector<TablePoint> Pt100Table() {
    std::ifstream in = Open("pt100-iec60751-table.csv");
    std::map<int, double> byDegree;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // the file has CRLF line ends
        }
        const auto comma = line.find(',');
        double celsius = 0.0;
        double ohms = 0.0;
        if (comma == std::string::npos || !ParseDouble(line.substr(0, comma), celsius) ||
            !ParseDouble(line.substr(comma + 1), ohms)) {
            throw std::runtime_error("unreadable row: " + line);
        }
        byDegree.emplace(static_cast<int>(celsius), ohms);
    }
    return ToPoints(byDegree);
}

} // namespace velmaro::sensors::testing
