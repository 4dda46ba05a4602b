// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every database connection of the process starts its work with clean vector registers.
//
// Qt's hash of keys longer than 32 bytes (qHashBits on a processor with AES and AVX2, which
// QSettings uses on its file names) runs a 256-bit loop and returns without VZEROUPPER.
// On processors that track the upper halves of the AVX registers, every SSE instruction
// after it pays for a transition, and SQLite, compiled for SSE, runs its queries about
// twice as slow for as long as the thread lives. One VZEROUPPER ends that.
//
// The guard is an SQLite automatic extension, so it runs inside every sqlite3_open* of the
// process, on the thread that opens, whichever code opens. Between the open and the last
// statement an operation runs no Qt code.

// Installs the guard; true once it is in place. Called by SqliteConnection::Open, and runs
// before main too, so a connection opened elsewhere is covered as well.
bool InstallVectorStateGuard();

// VZEROUPPER where the processor and system support AVX; nothing elsewhere.
void CleanVectorState() noexcept;
