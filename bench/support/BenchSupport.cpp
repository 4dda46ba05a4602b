// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "LocalInstant.h"
#include "core/Message.h"

namespace {

struct TempFolder {
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hourglint-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

}  // namespace

const std::filesystem::path& BenchFolder() {
    static const TempFolder folder;
    return folder.path;
}

int64_t BenchAnchor() {
    return LocalInstant(2026, 12, 6, 18);
}

void FailOnMessage() {
    SetMessageHandler([](const std::string& text) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        std::abort();
    });
}
