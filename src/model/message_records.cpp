#include "model/message_records.h"

#include "model/message_decode.h"

namespace vantry {

namespace {

constexpr std::uint32_t kCommand = 0x0111;
constexpr std::uint32_t kFirstRegistered = 0xC000;

} // namespace

ControlClass MessageRecords::ClassOf(std::uint32_t window) {
    const auto known = classes_.find(window);
    if (known != classes_.end()) {
        return known->second;
    }
    return classes_[window] = ControlClassOf(namer_.ClassName(window));
}

const MessageRecords::Identity& MessageRecords::IdentityOf(std::uint32_t message,
                                                           ControlClass control, MessageLog& log) {
    const std::uint64_t key = std::uint64_t{message} << 8 | static_cast<std::uint8_t>(control);
    const auto known = identities_.find(key);
    if (known != identities_.end()) {
        return known->second;
    }
    const std::string registered =
        message >= kFirstRegistered && message <= 0xFFFF ? namer_.RegisteredName(message) : "";
    const MessageIdentity identity = IdentifyMessage(message, control, registered);
    return identities_[key] = Identity{log.Intern(identity.name), identity.group};
}

LoggedMessage MessageRecords::Read(const ring::RawRecord& record, std::uint64_t micros,
                                   MessageLog& log) {
    DecodeContext context;
    context.control = ClassOf(record.window);
    if (record.message == kCommand && record.lParam != 0) {
        context.sender = ClassOf(static_cast<std::uint32_t>(record.lParam));
    }
    const Identity& identity = IdentityOf(record.message, context.control, log);
    LoggedMessage message;
    static_cast<ring::MessageFields&>(message) = record;
    message.micros = micros;
    message.group = identity.group;
    message.name = identity.name;
    message.decoded = DecodeMessage(record, context);
    return message;
}

} // namespace vantry
