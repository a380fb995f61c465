#include "platform/registry.h"

#include <gtest/gtest.h>

#include "platform/safe_file_write.h"
#include "temp_home.h"

namespace {

using platform::Registry;
using platform::RegistryError;
using platform::RegistryHive;
using platform::RegistryKey;
using platform::RegRoot;
using testing_support::readFile;

TEST(RegistryHiveTest, ExportTextRoundTripsEveryType) {
    RegistryHive hive;
    auto& key = hive.create("Software\\Quorvale\\Zelvane\\Windows");
    platform::RegValue dw;
    dw.name = "Days";
    dw.type = platform::RegType::DWord;
    dw.dword = 10;
    platform::RegValue sz;
    sz.name = "Path";
    sz.text = "C:\\Data \"quoted\"";
    platform::RegValue bin;
    bin.name = "debt_MainWin";
    bin.type = platform::RegType::Binary;
    bin.bytes = {0x0a, 0x1f, 0xff};
    key.values = {dw, sz, bin};
    const std::string text = hive.toText(RegRoot::CurrentUser);
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Quorvale\\Zelvane\\Windows]\n"
              "\"Days\"=dword:0000000a\n"
              "\"Path\"=\"C:\\\\Data \\\"quoted\\\"\"\n"
              "\"debt_MainWin\"=hex:0a,1f,ff\n");
    const RegistryHive back = RegistryHive::parse(text, RegRoot::CurrentUser);
    const auto* k = back.find("software\\QUORVALE\\zelvane\\windows");
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->values.size(), 3u);
    EXPECT_EQ(k->values[0].dword, 10u);
    EXPECT_EQ(k->values[1].text, "C:\\Data \"quoted\"");
    EXPECT_EQ(k->values[2].bytes, (std::vector<std::uint8_t>{0x0a, 0x1f, 0xff}));
}

TEST(RegistryHiveTest, ReadsContinuedHexLinesAndSkipsWhatItCannotRead) {
    const RegistryHive hive = RegistryHive::parse(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\A]\r\n"
        "\"Bin\"=hex:01,02,\\\r\n  03,04\r\n"
        "\"Broken\"=dword:xyz\r\n"
        "\"Ok\"=dword:ffffffff\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
        "\"Ignored\"=\"x\"\r\n",
        RegRoot::CurrentUser);
    const auto* k = hive.find("Software\\A");
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->values.size(), 2u);
    EXPECT_EQ(k->values[0].bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(k->values[1].dword, 0xffffffffu);
    EXPECT_EQ(hive.find("Software\\Other"), nullptr);
    EXPECT_TRUE(hive.exists("software"));  // above a listed key
}

class RegistryTest : public ::testing::Test {
  protected:
    void TearDown() override { platform::setWriteFaultHook({}); }
    testing_support::TempHome home;
    Registry registry = Registry::fromEnvironment();
};

TEST_F(RegistryTest, HivesLiveInTheXdgFolders) {
    EXPECT_EQ(registry.hivePath(RegRoot::CurrentUser),
              (home.home() / ".config/Quorvale/registry/user.reg").string());
    EXPECT_EQ(registry.hivePath(RegRoot::LocalMachine),
              (home.root() / "etc/xdg/Quorvale/registry/machine.reg").string());
}

TEST_F(RegistryTest, ValuesAreStoredWhenTheKeyCloses) {
    RegistryKey key(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKey("Software\\Quorvale\\Zelvane\\", true));
    key.writeInteger("Uses", -1);
    key.writeString("Name", "ä");
    EXPECT_FALSE(std::filesystem::exists(registry.hivePath(RegRoot::CurrentUser)));
    key.closeKey();

    RegistryKey again(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(again.openKeyReadOnly("SOFTWARE\\quorvale\\ZELVANE"));
    EXPECT_EQ(again.readInteger("uses"), -1);
    EXPECT_EQ(again.readString("NAME"), "ä");
    EXPECT_THROW(again.readString("Uses"), RegistryError);
    EXPECT_THROW(again.writeInteger("Uses", 1), RegistryError);  // opened read-only
    try {
        again.readInteger("Name");
        FAIL();
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Name'");
    }
}

TEST_F(RegistryTest, MissingKeyOpensOnlyWhenItMayBeCreated) {
    RegistryKey key(registry, RegRoot::CurrentUser);
    EXPECT_FALSE(key.openKey("Software\\X", false));
    EXPECT_FALSE(key.openKeyReadOnly("Software\\X"));
    EXPECT_TRUE(key.openKey("Software\\X", true));
    key.closeKey();
    EXPECT_TRUE(key.keyExists("software\\x"));
}

TEST_F(RegistryTest, AReadOnlyHiveRefusesEveryChange) {
    registry.setReadOnly(RegRoot::LocalMachine, true);
    RegistryKey key(registry, RegRoot::LocalMachine);
    EXPECT_FALSE(key.openKey("Software\\Quorvale\\Zelvane", true));
    EXPECT_FALSE(key.createKey("Software\\Quorvale\\Zelvane"));
    EXPECT_FALSE(std::filesystem::exists(registry.hivePath(RegRoot::LocalMachine)));
}

TEST_F(RegistryTest, AFailedStoreKeepsTheOldHive) {
    RegistryKey key(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKey("Software\\A", true));
    key.writeInteger("v", 1);
    key.closeKey();
    const std::string before = readFile(registry.hivePath(RegRoot::CurrentUser));

    ASSERT_TRUE(key.openKey("Software\\A", true));
    key.writeInteger("v", 2);
    platform::failNthWrite(1);
    EXPECT_THROW(key.closeKey(), RegistryError);
    EXPECT_EQ(readFile(registry.hivePath(RegRoot::CurrentUser)), before);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheSubtreeOnly) {
    RegistryKey key(registry, RegRoot::CurrentUser);
    for (const char* k : {"Software\\Q\\Z\\Toolbars\\MainWin", "Software\\Q\\Z\\Toolbars\\Budget",
                          "Software\\Q\\Z\\ToolbarsOld", "Software\\Q\\Z"}) {
        ASSERT_TRUE(key.createKey(k));
    }
    EXPECT_TRUE(key.deleteKey("software\\q\\z\\toolbars"));
    EXPECT_FALSE(key.keyExists("Software\\Q\\Z\\Toolbars\\MainWin"));
    EXPECT_FALSE(key.keyExists("Software\\Q\\Z\\Toolbars"));
    EXPECT_TRUE(key.keyExists("Software\\Q\\Z\\ToolbarsOld"));
    EXPECT_TRUE(key.keyExists("Software\\Q\\Z"));
}

TEST_F(RegistryTest, BinaryLargerThanTheBufferIsAnError) {
    RegistryKey key(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKey("Software\\A", true));
    const unsigned char bytes[4] = {1, 2, 3, 4};
    key.writeBinaryData("b", bytes, 4);
    unsigned char out[4] = {};
    EXPECT_EQ(key.readBinaryData("b", out, 4), 4);
    EXPECT_EQ(out[3], 4);
    EXPECT_THROW(key.readBinaryData("b", out, 3), RegistryError);
}

}  // namespace
