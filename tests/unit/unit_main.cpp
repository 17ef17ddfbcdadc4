// The unit tests run in a folder of their own that plays the host's folder and the current
// directory, so that test programs running side by side keep to their own settings files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "fake_system.h"
#include "platform/posix/environment.h"
#include "test_files.h"

namespace {

std::string Folder;

} // namespace

std::string HostFolder() { return Folder; }

int main(int argc, char **argv) {
    char pattern[] = "/tmp/dovrink-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return 1;
    }
    Folder = pattern;
    setenv(HostDirVariable, Folder.c_str(), 1);
    std::filesystem::current_path(Folder);
    ResetFakeSystem();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(Folder);
    return result;
}
