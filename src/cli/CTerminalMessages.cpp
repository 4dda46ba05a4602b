// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CTerminalMessages.h"

#include <ostream>
#include <string>
#include <utility>

CTerminalMessages::CTerminalMessages(std::ostream& err)
    : previous_(SetMessageHandler([this, &err](const std::string& text) {
          err << "hourglint: " << text << '\n';
          failed_ = true;
      })) {}

CTerminalMessages::~CTerminalMessages() {
    End();
}

bool CTerminalMessages::End() {
    if (!ended_) {
        ended_ = true;
        SetMessageHandler(std::move(previous_));
    }
    return failed_;
}
