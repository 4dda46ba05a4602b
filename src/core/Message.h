// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The program's one way to tell the user about a failure. The shell installs a handler
// that shows a message box captioned "Hourglint"; tests install one that records texts.
//
// A handler must return at once: messages are raised inside the one-second step, and a
// handler that waited for the user would stop the clock. It calls closed, once, when the
// user has dismissed the message (a recording handler: before it returns).
using MessageClosed = std::function<void()>;
using MessageHandler = std::function<void(const std::string& text, MessageClosed closed)>;

void ShowMessage(const std::string& text, MessageClosed closed = {});
// Installs handler and returns the previous one. An empty handler prints to standard error.
MessageHandler SetMessageHandler(MessageHandler handler);
// For a handler that is done with the message when it returns.
MessageHandler SetMessageHandler(std::function<void(const std::string& text)> handler);

// A yes-or-no offer made while the program runs (to enable or install something for the
// user). Like a message, the handler returns at once and calls answered later; with no
// handler the offer goes to standard error and is declined.
using OfferAnswered = std::function<void(bool accepted)>;
using OfferHandler = std::function<void(const std::string& text, OfferAnswered answered)>;

void Offer(const std::string& text, OfferAnswered answered);
OfferHandler SetOfferHandler(OfferHandler handler);
