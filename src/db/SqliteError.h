// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// A statement or read that failed; what() is the text shown to the user after the
// operation's own first line.
class SqliteError : public std::runtime_error {
  public:
    // code: the engine's primary result code, 0 for a failure found by our own checks.
    explicit SqliteError(const std::string& text, int code = 0)
        : std::runtime_error(text), code_(code & 0xff) {}
    int Code() const { return code_; }

  private:
    int code_;
};
