// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "core/Message.h"

// While it lives, what the database layer would show in a box goes to the terminal and
// marks the command as failed, so nothing partial is written.
class CTerminalMessages {
  public:
    explicit CTerminalMessages(std::ostream& err);
    ~CTerminalMessages();
    CTerminalMessages(const CTerminalMessages&) = delete;
    CTerminalMessages& operator=(const CTerminalMessages&) = delete;

    void Fail() { failed_ = true; }
    // Gives the handler back (once); whether anything failed.
    bool End();

  private:
    bool failed_ = false;
    bool ended_ = false;
    MessageHandler previous_;
};
