#include "platform/special_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "temp_home.h"

namespace {

using namespace platform;

TEST(SpecialFoldersTest, CsidlNumbersMapOntoTheXdgFolders) {
    testing_support::TempHome home;
    const std::string h = home.home().string();
    const std::string r = home.root().string();
    EXPECT_EQ(GetSpecialFolder(csidl::Personal), h + "/Documents/");
    EXPECT_EQ(GetSpecialFolder(csidl::CommonDocuments), h + "/.local/share/");
    EXPECT_EQ(GetSpecialFolder(csidl::Desktop), h + "/Desktop/");
    EXPECT_EQ(GetSpecialFolder(csidl::AppData), h + "/.config/");
    EXPECT_EQ(GetSpecialFolder(csidl::LocalAppData), h + "/.local/state/");
    EXPECT_EQ(GetSpecialFolder(csidl::CommonAppData), r + "/etc/xdg/");
    EXPECT_EQ(GetSpecialFolder(csidl::ProgramFiles), "/opt/");
    EXPECT_EQ(GetSpecialFolder(csidl::ProgramFilesCommon), "/usr/lib/");
    EXPECT_EQ(GetSpecialFolder(0x99), "");
    EXPECT_EQ(systemTempFolder(), r + "/tmp/");
}

TEST(SpecialFoldersTest, FallBackToUserDirsFileAndHome) {
    testing_support::TempHome home;
    const std::string h = home.home().string();
    ::unsetenv("XDG_DOCUMENTS_DIR");
    ::unsetenv("XDG_DESKTOP_DIR");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("XDG_CONFIG_DIRS", "", 1);
    testing_support::writeFile(home.home() / ".config/user-dirs.dirs",
                               "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(GetSpecialFolder(csidl::Personal), h + "/Dokumente/");
    EXPECT_EQ(GetSpecialFolder(csidl::Desktop), h + "/Desktop/");
    EXPECT_EQ(GetSpecialFolder(csidl::CommonDocuments), h + "/.local/share/");
    EXPECT_EQ(GetSpecialFolder(csidl::CommonAppData), "/etc/xdg/");
}

TEST(SpecialFoldersTest, MountPointIsAPrefixOfThePath) {
    testing_support::TempDir dir;
    const std::string mount = mountPointOf(dir.path().string());
    ASSERT_FALSE(mount.empty());
    EXPECT_EQ(mount.back(), '/');
    EXPECT_EQ(dir.path().string().rfind(mount, 0), 0u);
    EXPECT_EQ(mountPointOf("/no/such/folder"), "");
    EXPECT_EQ(mountPointOf("/proc/self"), "/proc/");
}

}  // namespace
