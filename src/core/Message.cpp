// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Message.h"

#include <cstdio>
#include <utility>

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

OfferHandler& Offers() {
    static OfferHandler handler;
    return handler;
}

}  // namespace

void ShowMessage(const std::string& text, MessageClosed closed) {
    // Copy so a handler may replace itself while it runs.
    MessageHandler handler = Handler();
    if (handler) {
        handler(text, std::move(closed));
        return;
    }
    std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
    if (closed) {
        closed();
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

MessageHandler SetMessageHandler(std::function<void(const std::string& text)> handler) {
    if (!handler) {
        return SetMessageHandler(MessageHandler());
    }
    return SetMessageHandler(
        [handler = std::move(handler)](const std::string& text, const MessageClosed& closed) {
            handler(text);
            if (closed) {
                closed();
            }
        });
}

void Offer(const std::string& text, OfferAnswered answered) {
    OfferHandler handler = Offers();
    if (handler) {
        handler(text, std::move(answered));
        return;
    }
    std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
    if (answered) {
        answered(false);
    }
}

OfferHandler SetOfferHandler(OfferHandler handler) {
    return std::exchange(Offers(), std::move(handler));
}
