#pragma once

#include <stdexcept>
#include <string>

// A statement or read that failed; what() is the text shown to the user after the
// operation's own first line.
class SqliteError : public std::runtime_error {
  public:
    explicit SqliteError(const std::string& text) : std::runtime_error(text) {}
};
