// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CSignalWatcher.h"

// Windows ends a program through its window messages, which Qt turns into a quit: there is
// no signal to watch.

CSignalWatcher::CSignalWatcher(QObject* parent) : QObject(parent) {}

CSignalWatcher::~CSignalWatcher() = default;

void CSignalWatcher::OnReadable() {}
