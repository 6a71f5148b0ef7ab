#include "app/command_line.h"
#include "model/message_decode.h"
#include "model/message_log.h"
#include "model/message_names.h"
#include "model/message_records.h"
#include "model/message_ring.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

using namespace vantry;

namespace {

std::string Name(std::uint32_t message, ControlClass control = ControlClass::None,
                 std::string_view registered = {}) {
    return IdentifyMessage(message, control, registered).name;
}

MessageGroup Group(std::uint32_t message, ControlClass control = ControlClass::None) {
    return IdentifyMessage(message, control).group;
}

ring::RawRecord Record(std::uint32_t message, std::uint64_t wParam = 0, std::uint64_t lParam = 0,
                       ring::Kind kind = ring::Kind::Sent) {
    ring::RawRecord record;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    record.kind = kind;
    return record;
}

template <typename T> void Attach(ring::RawRecord& record, ring::Data kind, const T& data) {
    record.data = kind;
    record.bytes.resize(sizeof data);
    std::memcpy(record.bytes.data(), &data, sizeof data);
}

std::string Decode(const ring::RawRecord& record, ControlClass sender = ControlClass::None) {
    return DecodeMessage(record, DecodeContext{ControlClass::None, sender});
}

void PutText16(ring::RawRecord& record, std::u16string_view text) {
    record.data = ring::Data::Text;
    record.bytes.clear();
    for (char16_t unit : text) {
        record.bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        record.bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

} // namespace

TEST(MessageNames, NameSystemMessagesAndControlMessagesByTheClassThatGetsThem) {
    EXPECT_EQ(Name(0x000C), "WM_SETTEXT");
    EXPECT_EQ(Name(0x0047), "WM_WINDOWPOSCHANGED");
    EXPECT_EQ(Name(0x020A), "WM_MOUSEWHEEL");
    // One code, four meanings: the class decides.
    EXPECT_EQ(Name(0x0401, ControlClass::Toolbar), "TB_ENABLEBUTTON");
    EXPECT_EQ(Name(0x0401, ControlClass::StatusBar), "SB_SETTEXTA");
    EXPECT_EQ(Name(0x0401, ControlClass::ToolTip), "TTM_ACTIVATE");
    EXPECT_EQ(Name(0x0401, ControlClass::Dialog), "DM_SETDEFID");
    EXPECT_EQ(Name(0x0401), "WM_USER+1");
    EXPECT_EQ(Name(0x1100, ControlClass::TreeView), "TVM_INSERTITEMA");
    EXPECT_EQ(Name(0x1100, ControlClass::ListView), "WM_USER+3328");
    EXPECT_EQ(Name(0x2001, ControlClass::Progress), "CCM_SETBKCOLOR");
    EXPECT_EQ(Name(0x1501, ControlClass::Edit), "EM_SETCUEBANNER");
    // The codes below WM_USER that controls use mean one thing whatever the class.
    EXPECT_EQ(Name(0x00F5), "BM_CLICK");
    EXPECT_EQ(Name(0x0180, ControlClass::Button), "LB_ADDSTRING");
    EXPECT_EQ(Name(0x0400), "WM_USER");
    EXPECT_EQ(Name(0x8000), "WM_APP");
    EXPECT_EQ(Name(0x8005), "WM_APP+5");
    EXPECT_EQ(Name(0xBFFF), "WM_APP+16383");
    EXPECT_EQ(Name(0xC123, ControlClass::None, "TaskbarCreated"), "TaskbarCreated");
    EXPECT_EQ(Name(0xC123), "0xC123");
    EXPECT_EQ(Name(0x0017), "0x0017");
    EXPECT_EQ(Name(0x12345), "0x00012345");
}

TEST(MessageNames, GroupMessagesForTheFilter) {
    EXPECT_EQ(Group(0x0200), MessageGroup::Mouse);
    EXPECT_EQ(Group(0x0100), MessageGroup::Keyboard);
    EXPECT_EQ(Group(0x00A1), MessageGroup::NonClient);
    EXPECT_EQ(Group(0x000F), MessageGroup::Paint);
    EXPECT_EQ(Group(0x0007), MessageGroup::Focus);
    EXPECT_EQ(Group(0x0302), MessageGroup::Clipboard);
    EXPECT_EQ(Group(0x010F), MessageGroup::Ime);
    EXPECT_EQ(Group(0x0111), MessageGroup::Controls);
    EXPECT_EQ(Group(0x00F5), MessageGroup::Controls);
    EXPECT_EQ(Group(0x1100, ControlClass::TreeView), MessageGroup::Controls);
    EXPECT_EQ(Group(0x0401), MessageGroup::User);
    EXPECT_EQ(Group(0x8001), MessageGroup::User);
    EXPECT_EQ(Group(0xC001), MessageGroup::Registered);
    EXPECT_EQ(Group(0x0005), MessageGroup::Window);
}

TEST(MessageNames, KnowClassesInAnyCase) {
    EXPECT_EQ(ControlClassOf("button"), ControlClass::Button);
    EXPECT_EQ(ControlClassOf("SYSTREEVIEW32"), ControlClass::TreeView);
    EXPECT_EQ(ControlClassOf("RichEdit20W"), ControlClass::Edit);
    EXPECT_EQ(ControlClassOf("#32770"), ControlClass::Dialog);
    EXPECT_EQ(ControlClassOf("Buttons"), ControlClass::None);
    EXPECT_EQ(ControlClassOf(""), ControlClass::None);
}

TEST(MessageDecode, ReadsMouseKeyAndSizeParameters) {
    // Client positions are signed: a drag left of the window gives a negative x.
    EXPECT_EQ(Decode(Record(0x0201, 0x0009, 0x0014FFF6)), "x=-10 y=20 MK_LBUTTON|MK_CONTROL");
    EXPECT_EQ(Decode(Record(0x020B, 0x00010020, 0)), "x=0 y=0 MK_XBUTTON1 XBUTTON1");
    EXPECT_EQ(Decode(Record(0x020A, 0xFF880000, 0x00C80064)), "delta=-120 0 x=100 y=200 (screen)");
    EXPECT_EQ(Decode(Record(0x0100, 0x0D, 0x001C0001)), "VK_RETURN repeat=1 scan=0x1C");
    EXPECT_EQ(Decode(Record(0x0101, 'A', 0xC01E0001)), "'A' repeat=1 scan=0x1E was-down up");
    EXPECT_EQ(Decode(Record(0x0104, 0x73, 0x203E0001)), "VK_F4 repeat=1 scan=0x3E alt");
    EXPECT_EQ(Decode(Record(0x0100, 0x67, 0x01480001)), "VK_NUMPAD7 repeat=1 scan=0x48 extended");
    EXPECT_EQ(Decode(Record(0x0100, 0xE9, 0)), "0xE9 repeat=0 scan=0x0");
    EXPECT_EQ(Decode(Record(0x0102, 0x00E9, 0x00120001)), "'é' (0xE9) repeat=1 scan=0x12");
    EXPECT_EQ(Decode(Record(0x0102, 0x0D, 0x001C0001)), "(0xD) repeat=1 scan=0x1C");
    EXPECT_EQ(Decode(Record(0x0005, 2, 0x01000200)), "SIZE_MAXIMIZED 512x256");
    EXPECT_EQ(Decode(Record(0x0003, 0, 0xFFFF0005)), "x=5 y=-1");
    EXPECT_EQ(Decode(Record(0x00A1, 2, 0x00320064)), "HTCAPTION x=100 y=50 (screen)");
}

TEST(MessageDecode, ReadsCommandsNotificationsAndStates) {
    EXPECT_EQ(Decode(Record(0x0111, 0x000003E9, 0x1234), ControlClass::Button),
              "id=1001 BN_CLICKED control=00001234");
    EXPECT_EQ(Decode(Record(0x0111, 0x03000010, 0x1234), ControlClass::Edit),
              "id=16 EN_CHANGE control=00001234");
    EXPECT_EQ(Decode(Record(0x0111, 0x00010020, 0x1234), ControlClass::ListBox),
              "id=32 LBN_SELCHANGE control=00001234");
    EXPECT_EQ(Decode(Record(0x0111, 0x00420064, 0x1234)), "id=100 66 control=00001234");
    EXPECT_EQ(Decode(Record(0x0111, 0x00000064, 0)), "menu id=100");
    EXPECT_EQ(Decode(Record(0x0111, 0x00010064, 0)), "accelerator id=100");
    ring::RawRecord notify = Record(0x004E, 7);
    Attach(notify, ring::Data::Notify,
           ring::NotifyData{0x00ABCDEF, static_cast<std::uint32_t>(-551), 7});
    EXPECT_EQ(Decode(notify), "id=7 TCN_SELCHANGE from=00ABCDEF");
    EXPECT_EQ(Decode(Record(0x0018, 1, 3)), "shown SW_PARENTOPENING");
    EXPECT_EQ(Decode(Record(0x0018, 0, 0)), "hidden");
    EXPECT_EQ(Decode(Record(0x0006, 0x00010002, 0x42)), "WA_CLICKACTIVE minimized other=00000042");
    EXPECT_EQ(Decode(Record(0x0020, 0x42, 0x02010001)), "window=00000042 HTCLIENT WM_LBUTTONDOWN");
    EXPECT_EQ(Decode(Record(0x0112, 0xF062, 0)), "SC_CLOSE x=0 y=0");
    EXPECT_EQ(Decode(Record(0x0114, 0x00320005, 0)), "SB_THUMBTRACK pos=50");
    EXPECT_EQ(Decode(Record(0x0084, 0, 0, ring::Kind::Returned)).size(), 9u); // HTNOWHERE
    ring::RawRecord hit = Record(0x0084, 0, 0, ring::Kind::Returned);
    hit.result = static_cast<std::uint64_t>(-1);
    EXPECT_EQ(Decode(hit), "HTTRANSPARENT");
    EXPECT_EQ(Decode(Record(0x8001, 1, 2)), "");
    EXPECT_EQ(Decode(Record(0x0001, 0, 0x1000)), "");
}

TEST(MessageDecode, ReadsWhatPointerParametersPointedAt) {
    ring::RawRecord text = Record(0x000C);
    PutText16(text, u"Gr\u00FC\u00DFe \u65E5\u672C");
    EXPECT_EQ(Decode(text), "\"Grüße 日本\"");
    text.truncated = true;
    EXPECT_EQ(Decode(text), "\"Grüße 日本\"...");
    text.data = ring::Data::Unreadable;
    EXPECT_EQ(Decode(text), "(unreadable)");
    ring::RawRecord got = Record(0x000D, 64, 0, ring::Kind::Returned);
    PutText16(got, u"ab");
    EXPECT_EQ(Decode(got), "\"ab\"");
    got.bytes.push_back('c'); // half a unit at the end is no character
    EXPECT_EQ(Decode(got), "\"ab\"");

    ring::RawRecord pos = Record(0x0046);
    Attach(pos, ring::Data::WindowPos, ring::WindowPosData{0, -5, 20, 300, 200, 0x0015});
    EXPECT_EQ(Decode(pos),
              "x=-5 y=20 cx=300 cy=200 after=00000000 SWP_NOSIZE|SWP_NOZORDER|SWP_NOACTIVATE");
    Attach(pos, ring::Data::WindowPos, ring::WindowPosData{1, 0, 0, 0, 0, 0x8001});
    EXPECT_EQ(Decode(pos), "x=0 y=0 cx=0 cy=0 after=00000001 SWP_NOSIZE|0x8000");

    ring::RawRecord sizing = Record(0x0214, 8);
    Attach(sizing, ring::Data::Rect, ring::RectData{1, 2, 3, 4});
    EXPECT_EQ(Decode(sizing), "WMSZ_BOTTOMRIGHT (1,2)-(3,4)");

    ring::RawRecord styles = Record(0x007D, static_cast<std::uint64_t>(-16));
    Attach(styles, ring::Data::Styles, ring::StylesData{0x10000000, 0x08000000});
    EXPECT_EQ(Decode(styles), "GWL_STYLE +WS_DISABLED -WS_VISIBLE");

    // A record shorter than its data kind needs decodes to nothing, never past its bytes.
    ring::RawRecord cut = Record(0x0047);
    cut.data = ring::Data::WindowPos;
    cut.bytes = {1, 2, 3};
    EXPECT_EQ(Decode(cut), "");
}

TEST(MessageDecode, ReadsCreationParametersWithNamesThatOverrunNothing) {
    ring::CreateData create{};
    create.style = 0x50000000; // WS_CHILD | WS_VISIBLE
    create.x = 1;
    create.y = 2;
    create.cx = 30;
    create.cy = 40;
    create.parent = 0x1234;
    create.nameUnits = 2;
    create.classUnits = 4;
    ring::RawRecord record = Record(0x0001);
    Attach(record, ring::Data::Create, create);
    for (char16_t unit : std::u16string(u"OKEdit")) {
        record.bytes.push_back(static_cast<std::uint8_t>(unit));
        record.bytes.push_back(0);
    }
    EXPECT_EQ(Decode(record), "class \"Edit\" name \"OK\" WS_CHILD|WS_VISIBLE x=1 y=2 cx=30 "
                              "cy=40 parent=00001234");
    // Counts larger than the bytes: the names end where the bytes do.
    ring::CreateData lying = create;
    lying.nameUnits = 500;
    lying.classUnits = 500;
    std::memcpy(record.bytes.data(), &lying, sizeof lying);
    EXPECT_NE(Decode(record).find("name \"OKEdit\""), std::string::npos);
    create.classAtom = 0xC01A;
    create.classUnits = 0;
    std::memcpy(record.bytes.data(), &create, sizeof create);
    EXPECT_EQ(Decode(record).substr(0, 12), "class #49178");
}

namespace {

// A ring in ordinary memory, the same bytes the hook library and the reader share.
struct TestRing {
    std::unique_ptr<std::uint8_t[]> bytes = std::make_unique<std::uint8_t[]>(ring::kMappingBytes);
    ring::Header& header = *new (bytes.get()) ring::Header{};
    ring::ReaderState state;
    std::uint64_t dropped = 0;

    bool Write(std::uint32_t message) {
        ring::Slot* slot = ring::BeginWrite(header);
        if (!slot) {
            return false;
        }
        std::memset(slot, 0, sizeof *slot);
        slot->message = message;
        slot->kind = static_cast<std::uint16_t>(ring::Kind::Posted);
        ring::EndWrite(header);
        return true;
    }
    std::vector<ring::RawRecord> Drain() {
        std::vector<ring::RawRecord> out;
        ring::Drain(header, ring::SlotsOf(&header), ring::kSlotCount, state, out, dropped);
        return out;
    }
};

} // namespace

TEST(MessageRing, HandsOverEveryRecordInOrderAndCountsWhatAFullRingRefuses) {
    TestRing ring;
    for (std::uint32_t i = 0; i < ring::kSlotCount + 5; ++i) {
        EXPECT_EQ(ring.Write(i), i < ring::kSlotCount);
    }
    auto records = ring.Drain();
    ASSERT_EQ(records.size(), ring::kSlotCount);
    EXPECT_EQ(records.front().message, 0u);
    EXPECT_EQ(records.back().message, ring::kSlotCount - 1);
    EXPECT_EQ(ring.dropped, 5u);
    // Room again once read, across the wrap of the indices.
    ring.header.writeIndex = ring.header.readIndex = ring.state.readIndex = 0xFFFFFFFE;
    ring.state.droppedSeen = ring.header.dropped;
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(ring.Write(100 + i));
    }
    records = ring.Drain();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].message, 103u);
    EXPECT_EQ(ring.dropped, 5u);
}

TEST(MessageRing, TheReaderTrustsNothingTheWriterLeft) {
    TestRing ring;
    ring.Write(1);
    // A slot of no known kind and one whose size overstates its bytes.
    ring::Slot* bad = ring::BeginWrite(ring.header);
    bad->kind = 77;
    ring::EndWrite(ring.header);
    ring::Slot* big = ring::BeginWrite(ring.header);
    big->kind = static_cast<std::uint16_t>(ring::Kind::Sent);
    big->data = static_cast<std::uint16_t>(ring::Data::Text);
    big->dataSize = 60000;
    ring::EndWrite(ring.header);
    auto records = ring.Drain();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].bytes.size(), ring::kDataBytes);
    EXPECT_EQ(ring.dropped, 1u);
    // A writer index far ahead: what cannot be read counts as dropped, and reading goes on.
    ring.header.writeIndex += 1'000'000;
    EXPECT_TRUE(ring.Drain().empty());
    EXPECT_EQ(ring.dropped, 1'000'001u);
    EXPECT_TRUE(ring.Write(5));
    EXPECT_EQ(ring.Drain().size(), 1u);
}

TEST(MessageRing, AWriterAndAReaderAtOnceLoseNothingUncountedAndKeepTheOrder) {
    TestRing ring;
    constexpr std::uint32_t kWritten = 200'000;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (std::uint32_t i = 0; i < kWritten; ++i) {
            if (ring::Slot* slot = ring::BeginWrite(ring.header)) {
                slot->message = i;
                slot->kind = static_cast<std::uint16_t>(ring::Kind::Sent);
                slot->data = 0;
                slot->dataSize = 0;
                ring::EndWrite(ring.header);
            }
        }
        done = true;
    });
    std::uint64_t read = 0;
    std::uint32_t last = 0;
    bool ordered = true;
    for (bool finished = false; !finished;) {
        finished = done.load();
        for (const ring::RawRecord& record : ring.Drain()) {
            ordered = ordered && (read == 0 || record.message > last);
            last = record.message;
            ++read;
        }
    }
    writer.join();
    EXPECT_TRUE(ordered);
    EXPECT_EQ(read + ring.dropped, kWritten);
}

TEST(MessageRing, TheWriterGoesQuietWhenTheSessionEndsOrItsReaderFallsSilent) {
    ring::Header header{};
    header.heartbeat = 1000;
    EXPECT_FALSE(ring::SessionGone(header, 1000 + ring::kHeartbeatTimeoutMs));
    EXPECT_TRUE(ring::SessionGone(header, 1001 + ring::kHeartbeatTimeoutMs));
    header.heartbeat = 0xFFFFFF00; // the tick count wraps
    EXPECT_FALSE(ring::SessionGone(header, 0x10));
    header.closed = 1;
    EXPECT_TRUE(ring::SessionGone(header, 0xFFFFFF00));
}

namespace {

class FakeNamer : public MessageNamer {
  public:
    std::map<std::uint32_t, std::string> classes;
    int classQueries = 0;
    std::string ClassName(std::uint32_t window) override {
        ++classQueries;
        return classes[window];
    }
    std::string RegisteredName(std::uint32_t message) override {
        return message == 0xC042 ? "VantryPing" : "";
    }
};

LoggedMessage Logged(MessageLog& log, std::string_view name, MessageGroup group,
                     ring::Kind kind = ring::Kind::Sent) {
    LoggedMessage message;
    message.name = log.Intern(name);
    message.group = group;
    message.kind = kind;
    return message;
}

} // namespace

TEST(MessageRecords, NameEachMessageByItsWindowsClassAskedOnce) {
    FakeNamer namer;
    namer.classes[0x10] = "ToolbarWindow32";
    namer.classes[0x20] = "Button";
    MessageRecords records(namer);
    MessageLog log;
    ring::RawRecord record = Record(0x0401);
    record.window = 0x10;
    EXPECT_EQ(*records.Read(record, 0, log).name, "TB_ENABLEBUTTON");
    EXPECT_EQ(*records.Read(record, 0, log).name, "TB_ENABLEBUTTON");
    record.message = 0xC042;
    EXPECT_EQ(*records.Read(record, 0, log).name, "VantryPing");
    EXPECT_EQ(namer.classQueries, 1);
    // WM_COMMAND: the sending control's class names the notification.
    ring::RawRecord command = Record(0x0111, 0x000503E9, 0x20);
    command.window = 0x10;
    const LoggedMessage logged = records.Read(command, 1234, log);
    EXPECT_EQ(logged.decoded, "id=1001 BN_DOUBLECLICKED control=00000020");
    EXPECT_EQ(logged.micros, 1234u);
    EXPECT_EQ(logged.group, MessageGroup::Controls);
}

TEST(MessageLog, ShowsWhatTheFilterLetsThroughAndForgetsTheOldestWhenFull) {
    MessageLog log(10);
    for (int i = 0; i < 12; ++i) {
        log.Add(Logged(log, i % 2 ? "WM_MOUSEMOVE" : "WM_SETTEXT",
                       i % 2 ? MessageGroup::Mouse : MessageGroup::Window));
    }
    EXPECT_EQ(log.Logged(), 12u);
    ASSERT_EQ(log.ShownCount(), 10u); // one tenth went twice
    EXPECT_EQ(log.Shown(0).number, 3u);
    MessageFilter filter;
    filter.hiddenGroups.set(static_cast<std::size_t>(MessageGroup::Mouse));
    log.SetFilter(filter);
    ASSERT_EQ(log.ShownCount(), 5u);
    EXPECT_EQ(*log.Shown(0).name, "WM_SETTEXT");
    EXPECT_FALSE(log.Add(Logged(log, "WM_MOUSEMOVE", MessageGroup::Mouse)));
    EXPECT_TRUE(log.Add(Logged(log, "WM_SIZE", MessageGroup::Window)));
    filter = {};
    filter.excluded.insert("WM_SETTEXT");
    log.SetFilter(filter);
    EXPECT_EQ(log.ShownCount(), 6u); // five mouse moves and the size
    filter = {};
    filter.only.insert("WM_SIZE");
    log.SetFilter(filter);
    ASSERT_EQ(log.ShownCount(), 1u);
    EXPECT_EQ(log.Shown(0).number, 14u);
    log.Clear();
    EXPECT_EQ(log.ShownCount(), 0u);
    EXPECT_TRUE(log.Add(Logged(log, "WM_SIZE", MessageGroup::Window)));
    EXPECT_EQ(log.Shown(0).number, 15u);
}

TEST(MessageLog, WritesTextCsvAndJsonWithNestingAndResults) {
    MessageLog log;
    LoggedMessage sent = Logged(log, "WM_SETTEXT", MessageGroup::Window);
    sent.window = 0x000A0B0C;
    sent.micros = 1'500'000;
    sent.lParam = 0x00000001'00000000;
    sent.decoded = "\"a, \"b\"\"";
    LoggedMessage inner = Logged(log, "WM_APP+3", MessageGroup::User);
    inner.depth = 1;
    LoggedMessage returned = Logged(log, "WM_SETTEXT", MessageGroup::Window, ring::Kind::Returned);
    returned.result = 1;
    log.Add(sent);
    log.Add(inner);
    log.Add(returned);
    std::vector<const LoggedMessage*> all{&log.Shown(0), &log.Shown(1), &log.Shown(2)};
    const std::string text = LogText(all, LogSummary{3, true});
    EXPECT_NE(text.find("1  1.500000  000A0B0C  sent  WM_SETTEXT  00000000  0000000100000000  "
                        "\"a, \"b\"\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("sent    WM_APP+3"), std::string::npos) << text;
    EXPECT_NE(text.find("returned  WM_SETTEXT  00000000  00000000  -> 00000001"),
              std::string::npos);
    EXPECT_NE(text.find("The window was destroyed.\nDropped: 3\n"), std::string::npos);

    const std::string csv = LogCsv(all, {});
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "Number,Time,Window,Thread,Kind,Depth,Message,wParam,lParam,Decoded,Result");
    EXPECT_NE(csv.find(",\"\"\"a, \"\"b\"\"\"\"\","), std::string::npos) << csv;

    const auto json = nlohmann::json::parse(LogJson(all, LogSummary{2, false}));
    EXPECT_EQ(json["dropped"], 2);
    ASSERT_EQ(json["messages"].size(), 3u);
    EXPECT_EQ(json["messages"][0]["window"], "000A0B0C");
    EXPECT_EQ(json["messages"][0]["message"], "WM_SETTEXT");
    EXPECT_EQ(json["messages"][0]["kind"], "sent");
    EXPECT_FALSE(json["messages"][0].contains("result"));
    EXPECT_EQ(json["messages"][2]["kind"], "returned");
    EXPECT_EQ(json["messages"][2]["result"], "00000001");
    EXPECT_EQ(json["messages"][1]["depth"], 1);
}

TEST(CommandLine, ReadsTheLogSwitches) {
    const std::vector<std::string> args{"/log", "000a0B0c", "/CHILDREN", "/seconds",
                                        "3",    "/json",    "/out",      "x.json"};
    const CommandLine line = ParseCommandLine(args);
    EXPECT_EQ(line.mode, RunMode::Log);
    EXPECT_EQ(line.logWindow, 0x000A0B0C);
    EXPECT_TRUE(line.children);
    EXPECT_EQ(line.seconds, 3);
    EXPECT_EQ(line.format, &kTreeFormats[1]);
    EXPECT_EQ(line.out, "x.json");
    EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"/log", "00000000"}).logWindow, 0);
    EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"/log", "00000001"}).seconds, 10);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"/log"},
             {"/log", "1234"},
             {"/log", "0000000G"},
             {"/log", "000000001"},
             {"/log", "00000001", "/seconds", "0"},
             {"/log", "00000001", "/seconds", "-1"},
             {"/log", "00000001", "/seconds"},
             {"/log", "00000001", "/all"},
             {"/log", "00000001", "/dump"},
             {"/seconds", "5"},
             {"/children"},
             {"/loghelper"},
             {"/loghelper", "12x"},
         }) {
        EXPECT_EQ(ParseCommandLine(bad).mode, RunMode::BadSwitch) << bad[0] << " " << bad.size();
    }
    const CommandLine helper = ParseCommandLine(std::vector<std::string>{"/LogHelper", "12", "34"});
    EXPECT_EQ(helper.mode, RunMode::LogHelper);
    EXPECT_EQ(helper.helperThreads, (std::vector<std::string>{"12", "34"}));
}
