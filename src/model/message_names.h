// The names of window messages: the system's, the common controls' (by the class of the window
// that gets them, since their codes overlap), registered ones by their registered names, and
// the private ranges as WM_USER+n and WM_APP+n; and the group each belongs to, for the log's
// filter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// The classes whose private messages have names of their own.
enum class ControlClass : std::uint8_t {
    None,
    Button,
    Edit,
    ListBox,
    ComboBox,
    ScrollBar,
    Static,
    TreeView,
    ListView,
    Header,
    Tab,
    Toolbar,
    StatusBar,
    ToolTip,
    Progress,
    Trackbar,
    UpDown,
    Dialog,
};

// The control a class name is, case-insensitively (rich edits count as edits).
ControlClass ControlClassOf(std::string_view className);

enum class MessageGroup : std::uint8_t {
    Mouse,
    Keyboard,
    Window,
    NonClient,
    Paint,
    Focus,
    Clipboard,
    Controls,
    Ime,
    Registered,
    User,
};

inline constexpr std::size_t kMessageGroupCount = 11;

struct MessageIdentity {
    std::string name;
    MessageGroup group = MessageGroup::Window;
};

// registeredName: what the system calls a message of 0xC000 and above (empty when it does not
// know it).
MessageIdentity IdentifyMessage(std::uint32_t message, ControlClass control,
                                std::string_view registeredName = {});

} // namespace vantry
