#pragma once

#include <functional>
#include <string>

// The program's one way to tell the user about a failure. The shell installs a handler
// that shows a message box captioned "Hourglint"; tests install one that records texts.
using MessageHandler = std::function<void(const std::string&)>;

void ShowMessage(const std::string& text);
// Installs handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);
