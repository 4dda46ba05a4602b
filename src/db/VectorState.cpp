// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/VectorState.h"

#include <sqlite3.h>

namespace {

bool HasAvx() {
#if defined(__x86_64__) || defined(__i386__)
    // Also true only when the system saves the registers: __builtin_cpu_supports checks
    // the OS-enabled state, not the instruction set alone.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
#else
    return false;
#endif
}

int CleanOnOpen(sqlite3*, char**, const struct sqlite3_api_routines*) {
    CleanVectorState();
    return SQLITE_OK;
}

[[maybe_unused]] const bool kInstalledAtStart = InstallVectorStateGuard();

}  // namespace

void CleanVectorState() noexcept {
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx = HasAvx();
    if (avx) {
        // The lower halves, where code built for SSE keeps its values, stay as they are.
        __asm__ volatile("vzeroupper" ::: "memory");
    }
#endif
}

bool InstallVectorStateGuard() {
    static const bool installed =
        sqlite3_auto_extension(reinterpret_cast<void (*)(void)>(&CleanOnOpen)) == SQLITE_OK;
    return installed;
}
