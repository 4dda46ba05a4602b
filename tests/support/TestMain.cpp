// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Every test binary runs in a private home so no test touches a real user's settings or
// database.
int main(int argc, char** argv) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hourglint-test-XXXXXX").string();
    const char* home = mkdtemp(pattern.data());
    if (home == nullptr) {
        return 2;
    }
    const std::filesystem::path root(home);
    for (const char* sub : {"config", "data", "runtime", "cache"}) {
        std::filesystem::create_directories(root / sub);
    }
    std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
    // Nor the session a developer runs them from: tests start the displays and compositors
    // they need, and the program picks its foreground backend from these.
    for (const char* session : {"XDG_SESSION_TYPE", "WAYLAND_DISPLAY", "SWAYSOCK"}) {
        unsetenv(session);
    }
    // Nor the developer's language: the program's messages are compared in English, and a
    // test that wants another language sets it for the program it starts.
    for (const char* language : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        unsetenv(language);
    }
    if (std::getenv("LANG") != nullptr) {
        setenv("LANG", "C.UTF-8", 1);
    }

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return result;
}
