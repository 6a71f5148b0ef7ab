// The message log of one session: the records taken from the rings, named and decoded, which of
// them the filter shows, and the files Save Log As and /log write.
#pragma once

#include "model/message_names.h"
#include "model/message_ring.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vantry {

struct LoggedMessage : ring::MessageFields {
    std::uint64_t number = 0; // from 1, in the order the messages came
    std::uint64_t micros = 0; // since the session began
    MessageGroup group = MessageGroup::Window;
    const std::string* name = nullptr; // held by the log
    std::string decoded;
};

// Which records the view shows: none of a hidden group, none excluded by name, and when any
// name is picked as the only ones, just those.
struct MessageFilter {
    std::bitset<kMessageGroupCount> hiddenGroups;
    std::set<std::string, std::less<>> excluded;
    std::set<std::string, std::less<>> only;

    bool Shows(const LoggedMessage& message) const;
};

class MessageLog {
  public:
    // The oldest tenth goes once the log holds this many.
    static constexpr std::size_t kMaxRecords = 1'000'000;
    explicit MessageLog(std::size_t maxRecords = kMaxRecords) : maxRecords_(maxRecords) {}

    // The one copy of a name that records point at.
    const std::string* Intern(std::string_view name);

    // Numbers the record and keeps it; true when the filter shows it.
    bool Add(LoggedMessage message);
    void Clear();

    const MessageFilter& Filter() const { return filter_; }
    void SetFilter(MessageFilter filter);

    std::uint64_t Logged() const { return logged_; }
    std::size_t ShownCount() const { return shown_.size(); }
    // The index-th shown record.
    const LoggedMessage& Shown(std::size_t index) const;
    // Every shown record, in order, for the writers.
    std::vector<const LoggedMessage*> ShownMessages() const;

  private:
    void Forget(std::size_t count);

    std::unordered_set<std::string> names_;
    std::deque<LoggedMessage> records_;
    std::deque<std::uint64_t> shown_; // numbers of the shown records
    MessageFilter filter_;
    std::size_t maxRecords_;
    std::uint64_t logged_ = 0;
};

// Pointer-sized parameters: 8 digits when the value fits, else 16.
std::string ParamText(std::uint64_t value);
std::string KindText(ring::Kind kind);

// The log's columns, and a record's text in each: the name indented by the nesting, the result
// of returned records only.
inline constexpr std::array<std::string_view, 9> kMessageColumns = {
    "#", "Time", "Window", "Kind", "Message", "wParam", "lParam", "Decoded", "Result"};
std::string MessageCell(const LoggedMessage& message, std::size_t column);

// One record as a line of the log's text: its cells apart, the result after "->".
std::string MessageLine(const LoggedMessage& message);

// What a saved log says beside its records.
struct LogSummary {
    std::uint64_t dropped = 0;
    bool windowDestroyed = false;
};

struct LogFormat {
    std::string_view name;      // for the save dialog
    std::string_view extension; // without the dot
    std::string (*write)(std::span<const LoggedMessage* const> messages, const LogSummary& summary);
};

// Text, CSV, JSON.
extern const LogFormat kLogFormats[3];

std::string LogText(std::span<const LoggedMessage* const> messages, const LogSummary& summary);
// One row a record; a CSV file holds rows of one shape only, so no summary.
std::string LogCsv(std::span<const LoggedMessage* const> messages, const LogSummary& summary);
std::string LogJson(std::span<const LoggedMessage* const> messages, const LogSummary& summary);

} // namespace vantry
