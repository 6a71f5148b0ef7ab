// Turning the rings' records into the log's: each message named by the class of the window that
// got it (asked once a window) and decoded.
#pragma once

#include "model/message_log.h"
#include "model/message_ring.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace vantry {

// What the system knows of windows and registered messages.
class MessageNamer {
  public:
    virtual ~MessageNamer() = default;
    virtual std::string ClassName(std::uint32_t window) = 0;
    // Empty when the code is no registered message.
    virtual std::string RegisteredName(std::uint32_t message) = 0;
};

class MessageRecords {
  public:
    explicit MessageRecords(MessageNamer& namer) : namer_(namer) {}

    LoggedMessage Read(const ring::RawRecord& record, std::uint64_t micros, MessageLog& log);

  private:
    struct Identity {
        const std::string* name;
        MessageGroup group;
    };
    ControlClass ClassOf(std::uint32_t window);
    const Identity& IdentityOf(std::uint32_t message, ControlClass control, MessageLog& log);

    MessageNamer& namer_;
    std::unordered_map<std::uint32_t, ControlClass> classes_;
    std::unordered_map<std::uint64_t, Identity> identities_;
};

} // namespace vantry
