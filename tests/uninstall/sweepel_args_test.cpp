#include "uninstall/sweepel_args.h"

#include <gtest/gtest.h>

namespace {

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    std::string file;
    std::string description;
};

class SweepelArgsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(SweepelArgsTest, ParsesTheSwitches) {
    const ArgsCase& c = GetParam();
    const auto parsed = uninstall::parseSweepelArgs(c.args, "/home/ann");
    EXPECT_EQ(c.file, parsed.targetFile);
    EXPECT_EQ(c.description, parsed.targetDescription);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SweepelArgsTest,
    ::testing::Values(
        ArgsCase{"PathWithBlanksRunsToTheNextSwitch",
                 {"/F/home/ann/My", "Plans/Debts4.dat", "/Dplan", "data"},
                 "/home/ann/My Plans/Debts4.dat",
                 "plan data"},
        ArgsCase{"SmallLettersAndEitherOrder",
                 {"/dyour plan data", "/f/tmp/Debts4.dat"},
                 "/tmp/Debts4.dat",
                 "your plan data"},
        ArgsCase{"ValueAfterSwitchInOneArgument",
                 {"/F/srv/x y.dat", "/Dthings"},
                 "/srv/x y.dat",
                 "things"},
        ArgsCase{"FirstOfEachKindWins",
                 {"/F/a.dat", "/F/b.dat", "/Dfirst", "/Dsecond"},
                 "/a.dat",
                 "first"},
        ArgsCase{"BlanksAndControlCharactersTrimmed",
                 {"/F  /tmp/a.dat\t", "/D \x01words \r\n"},
                 "/tmp/a.dat",
                 "words"},
        ArgsCase{"RelativePathMadeAbsolute", {"/FDebts4.dat", "/Dx"}, "/home/ann/Debts4.dat", "x"},
        ArgsCase{"ArgumentsBeforeAnySwitchIgnored",
                 {"--quiet", "stray", "/F/t.dat", "/Dd"},
                 "/t.dat",
                 "d"},
        ArgsCase{"MissingDescription", {"/F/t.dat"}, "/t.dat", ""},
        ArgsCase{"MissingFile", {"/Dplan data"}, "", "plan data"},
        ArgsCase{"EmptySwitchValues", {"/F", "/D   "}, "", ""},
        ArgsCase{"NoArguments", {}, "", ""}),
    [](const ::testing::TestParamInfo<ArgsCase>& param) { return std::string(param.param.name); });

}  // namespace
