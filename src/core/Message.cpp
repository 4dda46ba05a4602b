#include "core/Message.h"

#include <cstdio>
#include <utility>

namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

void ShowMessage(const std::string& text) {
    // Copy so a handler may replace itself while it runs.
    MessageHandler handler = Handler();
    if (handler) {
        handler(text);
    } else {
        std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
