// Conversions on the command line against the change cycle itself: the same
// digits as the window's fields, in the unit table's order.

#include "cli_runner.h"
#include "convert/change_cycle.h"
#include "convert/unit_symbols.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace velmaro::cli {
namespace {

using testing::RunCli;

// What the window shows for `typed` in the unit at `source`: one line per
// other unit, in table order, "text symbol".
std::string WindowLines(const Quantity& quantity, std::size_t source, std::string_view typed) {
    const FieldGroup& group = *quantity.group;
    std::vector<std::string> texts(group.size());
    for (const UnitText& field : Convert(group, source, typed)) {
        texts[field.unitIndex] = field.text;
    }
    std::string lines;
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (i != source) {
            lines += texts[i] + " " + std::string(UnitRef{&quantity, i}.symbol()) + "\n";
        }
    }
    return lines;
}

std::string Qualified(const Quantity& quantity, std::size_t index) {
    return std::string(quantity.id) + ":" + std::string(UnitRef{&quantity, index}.symbol());
}

TEST(Conversion, OneBarInTheThirteenOtherPressureUnits) {
    const auto run = RunCli({"1", "bar"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, WindowLines(*FindQuantity("pressure"), 2, "1"));
    EXPECT_TRUE(run.out.starts_with("100000.000000 Pa\n750.061700 Torr\n"));
    EXPECT_TRUE(run.err.empty());
}

// First, a middle and the last unit of every quantity, each to every other
// unit and to one target, with texts read as a unit field reads them.
TEST(Conversion, EveryQuantityAsTheWindowShowsIt) {
    for (const Quantity& quantity : Quantities()) {
        const std::size_t n = quantity.group->size();
        for (const std::size_t source : {std::size_t{0}, n / 2, n - 1}) {
            const std::string unit = Qualified(quantity, source);
            for (const char* typed : {"1", " 12abc", "-2.5e3", "abc"}) {
                EXPECT_EQ(RunCli({typed, unit}).out, WindowLines(quantity, source, typed))
                    << unit << " " << typed;
            }
            const std::size_t target = (source + 1) % n;
            const auto run = RunCli({"-0.75", unit, Qualified(quantity, target)});
            EXPECT_EQ(run.out, *ConvertOne(*quantity.group, source, target, -0.75) + "\n") << unit;
        }
    }
}

TEST(Conversion, ScalesPrintInTableOrderAndTakeTheirShortForms) {
    EXPECT_EQ(RunCli({"212", "°F"}).out, "100.000000 °C\n373.150000 K\n671.669990 R\n");
    EXPECT_EQ(RunCli({"-40", "C", "F"}).out, "-40.000000\n");
    EXPECT_EQ(RunCli({"0", "℃", "R"}).out, "491.669990\n");
}

TEST(Conversion, SharedSymbolsAreSettledByTheOtherUnitOrThePrefix) {
    EXPECT_EQ(RunCli({"1", "lb", "kgf"}).out, RunCli({"1", "force:lb", "kgf"}).out);
    EXPECT_EQ(RunCli({"1", "mass:lb", "Kg"}).out, "0.45359000\n");
    EXPECT_EQ(RunCli({"2", "kL", "ml"}).out, RunCli({"2", "kl,kL", "ml"}).out);
}

TEST(Conversion, StandardInputGivesOneResultPerLine) {
    EXPECT_EQ(RunCli({"atm", "kPa"}, "1\r\n2abc\n\n").out, "101.325000\n202.650000\n0.000000\n");
    EXPECT_EQ(RunCli({"-", "kPa", "Pa"}, "1.5\n").out, "1500.000000\n");
    // Blocks of every other unit, a blank line between them.
    const Quantity& diffusion = *FindQuantity("diffusion");
    EXPECT_EQ(RunCli({"diffusion:cm2/s"}, "1\n2\n").out,
              WindowLines(diffusion, 0, "1") + "\n" + WindowLines(diffusion, 0, "2"));
}

TEST(Conversion, JsonHasTheQuantitySymbolsAndTheWindowsNumbers) {
    EXPECT_EQ(RunCli({"--json", "1", "atm", "kPa"}).out,
              R"({"quantity":"pressure","input":{"atm":1.0},"results":{"kPa":101.325}})"
              "\n");
    const auto block = RunCli({"--json", "diffusion:ft2/h"}, "1\"\xff\n");
    EXPECT_TRUE(block.out.starts_with(
        R"({"quantity":"diffusion","input":{"ft2/h":1.0},"results":{"cm2/s":0.2581,)"))
        << block.out;
    EXPECT_EQ(std::count(block.out.begin(), block.out.end(), '\n'), 1);
    // Text that is not valid UTF-8 reaches JSON as U+FFFD.
    EXPECT_EQ(RunCli({"--json", "--strict", "bar", "Pa"}, "1\"\xff\n").out,
              "{\"line\":1,\"error\":\"'1\\\"\xef\xbf\xbd' is not a number\",\"status\":2}\n");
}

TEST(Conversion, ListTakesAQuantityByIdOrNameAndGivesJsonLines) {
    EXPECT_EQ(RunCli({"--list", "压力"}).out, RunCli({"--list", "pressure"}).out);
    const auto json = RunCli({"--json", "--list", "mass"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.starts_with(R"({"quantity":"mass","name":"质量","units":[)")) << json.out;
    EXPECT_NE(json.out.find(R"({"symbol":"kg","typed":"kg","aliases":["Kg"],"label":"Kg"})"),
              std::string::npos)
        << json.out;
    const auto all = RunCli({"--json", "--list"});
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), Quantities().size());
}

TEST(Conversion, NumbersIgnoreTheLocale) {
    // German writes 1,5 for one and a half. The test command generates
    // de_DE.UTF-8; the Windows runtime names the same locale its own way.
    const std::string before = RunCli({"1.5", "bar"}).out;
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
#else
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    std::locale::global(std::locale("de_DE.UTF-8"));
#endif
    const std::string after = RunCli({"1.5", "bar"}).out;
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(after, before);
    EXPECT_TRUE(after.starts_with("150000.000000 Pa\n"));
}

} // namespace
} // namespace velmaro::cli
