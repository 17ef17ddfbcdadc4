#include "preview/mailbox/saved_message.h"

SavedMessage NoMessage(SavedMessage::Kind kind, std::string name, std::string reason) {
    return {kind, std::move(name), {}, std::move(reason)};
}

SavedMessage MessageOf(std::string name, std::string bytes) {
    SavedMessage message{SavedMessage::Kind::Message, std::move(name), std::move(bytes), {}};
    message.IsMail = FindMailHeader(message.Bytes, message.Header);
    return message;
}

SavedMessage DamageEntry(const std::string &name, const ByteSource &source, size_t messages,
                         bool cut) {
    std::string before;
    if (messages == 0) {
        before =
            cut ? "the message there is cut off: it is not shown" : "no message came before it";
    } else {
        before = messages == 1
                     ? "the message before it was read"
                     : "the " + std::to_string(messages) + " messages before it were read";
        before += cut ? std::string(", and the one after ") + (messages == 1 ? "it" : "them") +
                            " is cut off there: it is not shown"
                      : "";
    }
    return NoMessage(SavedMessage::Kind::Damaged, name, source.Failure() + "; " + before);
}
