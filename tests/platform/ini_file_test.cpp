#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "temp_home.h"

namespace {

using platform::IniFile;

TEST(IniFileTest, SectionsAndNamesIgnoreCaseAndMissingGivesTheDefault) {
    const IniFile ini = IniFile::fromText("[Preferences]\r\nLocation=2\r\n\r\n[Backup]\nDays=5\n");
    EXPECT_EQ(ini.readString("preferences", "LOCATION", "0"), "2");
    EXPECT_EQ(ini.readString("BACKUP", "days", "3"), "5");
    EXPECT_EQ(ini.readString("Backup", "Backup Count", "10"), "10");
    EXPECT_EQ(ini.readString("Nothing", "Days", "x"), "x");
    EXPECT_FALSE(ini.valueExists("Backup", "Backup Count"));
    EXPECT_TRUE(ini.sectionExists("backup"));
}

TEST(IniFileTest, NamesEndingInABlankAreKeptApartFromTrimmedOnes) {
    IniFile ini;
    ini.writeString("BudgetForm", "Budget Monthly Income ", "1200");
    ini.writeString("BudgetForm", "Save or Invest ", "50");
    const IniFile back = IniFile::fromText(ini.toText());
    EXPECT_EQ(back.readString("BudgetForm", "Budget Monthly Income ", "0"), "1200");
    EXPECT_EQ(back.readString("BudgetForm", "Save or Invest ", "0"), "50");
    // A name written by hand with blanks around "=" is still found.
    const IniFile hand = IniFile::fromText("[Preferences]\n  Location = 1\n");
    EXPECT_EQ(hand.readString("Preferences", "Location", "0"), " 1");
}

TEST(IniFileTest, WritesReplaceInPlaceAndCommentsSurvive) {
    IniFile ini = IniFile::fromText("; settings\n[A]\n; note\nx=1\ny=2\n");
    ini.writeString("a", "X", "10");
    ini.writeString("B", "z", "3");
    EXPECT_EQ(ini.toText(), "; settings\n[A]\n; note\nx=10\ny=2\n\n[B]\nz=3\n");
    ini.deleteKey("A", "y");
    ini.eraseSection("b");
    EXPECT_EQ(ini.toText(), "; settings\n[A]\n; note\nx=10\n");
}

TEST(IniFileTest, ValuesWithLineBreaksStayOnOneLine) {
    IniFile ini;
    ini.writeString("Reports", "Permanent Header Line 1", "one\r\n[Evil]\nx=1");
    const IniFile back = IniFile::fromText(ini.toText());
    EXPECT_FALSE(back.sectionExists("Evil"));
    EXPECT_EQ(back.readString("Reports", "Permanent Header Line 1", ""), "one  [Evil] x=1");
}

TEST(IniFileTest, AbsentFileIsEmptyAndSaveWritesTheWholeFile) {
    testing_support::TempDir dir;
    const auto path = dir / "debt.ini";
    IniFile ini(path.string());
    EXPECT_TRUE(ini.sectionNames().empty());
    ini.writeString("Zelvane", "Uses", "1");
    std::string error;
    ASSERT_TRUE(ini.save(&error)) << error;
    EXPECT_EQ(testing_support::readFile(path), "[Zelvane]\nUses=1\n");
    EXPECT_EQ(IniFile(path.string()).readString("zelvane", "uses", ""), "1");
}

TEST(IniFileTest, AFolderInPlaceOfTheFileCannotBeRead) {
    testing_support::TempDir dir;
    std::filesystem::create_directories(dir / "debt.ini");
    EXPECT_THROW(IniFile((dir / "debt.ini").string()), platform::IniError);
}

}  // namespace
