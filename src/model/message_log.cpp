#include "model/message_log.h"

#include "core/mapi.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace vantry {

bool MessageFilter::Shows(const LoggedMessage& message) const {
    if (hiddenGroups.test(static_cast<std::size_t>(message.group))) {
        return false;
    }
    const std::string_view name = message.name ? std::string_view(*message.name) : "";
    if (excluded.contains(name)) {
        return false;
    }
    return only.empty() || only.contains(name);
}

const std::string* MessageLog::Intern(std::string_view name) {
    return &*names_.emplace(name).first;
}

bool MessageLog::Add(LoggedMessage message) {
    if (records_.size() >= maxRecords_) {
        Forget(std::max<std::size_t>(maxRecords_ / 10, 1));
    }
    message.number = ++logged_;
    const bool shown = filter_.Shows(message);
    if (shown) {
        shown_.push_back(message.number);
    }
    records_.push_back(std::move(message));
    return shown;
}

void MessageLog::Forget(std::size_t count) {
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(count));
    const std::uint64_t firstKept = records_.empty() ? logged_ + 1 : records_.front().number;
    while (!shown_.empty() && shown_.front() < firstKept) {
        shown_.pop_front();
    }
}

void MessageLog::Clear() {
    records_.clear();
    shown_.clear();
}

void MessageLog::SetFilter(MessageFilter filter) {
    filter_ = std::move(filter);
    shown_.clear();
    for (const LoggedMessage& message : records_) {
        if (filter_.Shows(message)) {
            shown_.push_back(message.number);
        }
    }
}

const LoggedMessage& MessageLog::Shown(std::size_t index) const {
    return records_[static_cast<std::size_t>(shown_[index] - records_.front().number)];
}

std::vector<const LoggedMessage*> MessageLog::ShownMessages() const {
    std::vector<const LoggedMessage*> shown;
    shown.reserve(shown_.size());
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        shown.push_back(&Shown(i));
    }
    return shown;
}

std::string ParamText(std::uint64_t value) {
    if (value <= 0xFFFFFFFFu) {
        return mAPI::HexStr8(static_cast<std::int32_t>(value));
    }
    return mAPI::HexPtr(value, 8);
}

std::string KindText(ring::Kind kind) {
    switch (kind) {
    case ring::Kind::Posted:
        return "posted";
    case ring::Kind::Returned:
        return "returned";
    case ring::Kind::Sent:
        break;
    }
    return "sent";
}

namespace {

std::string Seconds(std::uint64_t micros) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%06llu",
                  static_cast<unsigned long long>(micros / 1000000),
                  static_cast<unsigned long long>(micros % 1000000));
    return text;
}

std::string NameOf(const LoggedMessage& message) {
    return message.name ? *message.name : std::string();
}

std::string ResultText(const LoggedMessage& message) {
    return message.kind == ring::Kind::Returned ? ParamText(message.result) : std::string();
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace

std::string MessageCell(const LoggedMessage& message, std::size_t column) {
    switch (column) {
    case 0:
        return std::to_string(message.number);
    case 1:
        return Seconds(message.micros);
    case 2:
        return mAPI::HexStr8(static_cast<std::int32_t>(message.window));
    case 3:
        return KindText(message.kind);
    case 4:
        return std::string(message.depth * 2u, ' ') + NameOf(message);
    case 5:
        return ParamText(message.wParam);
    case 6:
        return ParamText(message.lParam);
    case 7:
        return message.decoded;
    case 8:
        return ResultText(message);
    default:
        return {};
    }
}

std::string MessageLine(const LoggedMessage& message) {
    std::string line;
    for (std::size_t column = 0; column < kMessageColumns.size(); ++column) {
        const std::string cell = MessageCell(message, column);
        if (!cell.empty()) {
            line += (line.empty() ? "" : column == 8 ? "  -> " : "  ") + cell;
        }
    }
    return line;
}

std::string LogText(std::span<const LoggedMessage* const> messages, const LogSummary& summary) {
    std::string text;
    for (const LoggedMessage* message : messages) {
        text += MessageLine(*message) + "\n";
    }
    if (summary.windowDestroyed) {
        text += "The window was destroyed.\n";
    }
    if (summary.dropped != 0) {
        text += "Dropped: " + std::to_string(summary.dropped) + "\n";
    }
    return text;
}

std::string LogCsv(std::span<const LoggedMessage* const> messages, const LogSummary&) {
    std::string text =
        "Number,Time,Window,Thread,Kind,Depth,Message,wParam,lParam,Decoded,Result\n";
    for (const LoggedMessage* message : messages) {
        text += std::to_string(message->number) + "," + Seconds(message->micros) + "," +
                mAPI::HexStr8(static_cast<std::int32_t>(message->window)) + "," +
                std::to_string(message->thread) + "," + KindText(message->kind) + "," +
                std::to_string(message->depth) + "," + CsvField(NameOf(*message)) + "," +
                ParamText(message->wParam) + "," + ParamText(message->lParam) + "," +
                CsvField(message->decoded) + "," + ResultText(*message) + "\n";
    }
    return text;
}

std::string LogJson(std::span<const LoggedMessage* const> messages, const LogSummary& summary) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LoggedMessage* message : messages) {
        nlohmann::ordered_json record = {
            {"number", message->number},
            {"time", static_cast<double>(message->micros) / 1e6},
            {"window", mAPI::HexStr8(static_cast<std::int32_t>(message->window))},
            {"thread", message->thread},
            {"message", NameOf(*message)},
            {"wParam", ParamText(message->wParam)},
            {"lParam", ParamText(message->lParam)},
            {"kind", KindText(message->kind)},
            {"depth", message->depth},
        };
        if (message->kind == ring::Kind::Returned) {
            record["result"] = ResultText(*message);
        }
        record["decoded"] = message->decoded;
        list.push_back(std::move(record));
    }
    const nlohmann::ordered_json log = {{"messages", std::move(list)},
                                        {"dropped", summary.dropped},
                                        {"windowDestroyed", summary.windowDestroyed}};
    return log.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

const LogFormat kLogFormats[3] = {
    {"Text", "txt", LogText},
    {"CSV", "csv", LogCsv},
    {"JSON", "json", LogJson},
};

} // namespace vantry
