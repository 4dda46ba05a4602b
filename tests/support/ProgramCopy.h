// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A copy of the built program in $HOME/name/bin, so its HG.mdb lands beside the copy, and a
// private home in $HOME/name/home for its settings; returns $HOME/name.
inline std::filesystem::path CopyProgram(const std::string& name, const char* executable) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(std::getenv("HOME")) / name;
    fs::create_directories(root / "bin");
    fs::create_directories(root / "home");
    fs::copy_file(executable, root / "bin" / "hourglint", fs::copy_options::overwrite_existing);
    return root;
}
