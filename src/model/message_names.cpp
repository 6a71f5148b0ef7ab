#include "model/message_names.h"

#include "model/tree_filter.h"

#include <algorithm>
#include <span>

namespace vantry {

namespace {

struct MessageName {
    std::uint32_t code;
    std::string_view name;
};

// Each table is sorted by code.
constexpr MessageName kSystemMessages[] = {
    {0x0000, "WM_NULL"},
    {0x0001, "WM_CREATE"},
    {0x0002, "WM_DESTROY"},
    {0x0003, "WM_MOVE"},
    {0x0005, "WM_SIZE"},
    {0x0006, "WM_ACTIVATE"},
    {0x0007, "WM_SETFOCUS"},
    {0x0008, "WM_KILLFOCUS"},
    {0x000A, "WM_ENABLE"},
    {0x000B, "WM_SETREDRAW"},
    {0x000C, "WM_SETTEXT"},
    {0x000D, "WM_GETTEXT"},
    {0x000E, "WM_GETTEXTLENGTH"},
    {0x000F, "WM_PAINT"},
    {0x0010, "WM_CLOSE"},
    {0x0011, "WM_QUERYENDSESSION"},
    {0x0012, "WM_QUIT"},
    {0x0013, "WM_QUERYOPEN"},
    {0x0014, "WM_ERASEBKGND"},
    {0x0015, "WM_SYSCOLORCHANGE"},
    {0x0016, "WM_ENDSESSION"},
    {0x0018, "WM_SHOWWINDOW"},
    {0x001A, "WM_SETTINGCHANGE"},
    {0x001B, "WM_DEVMODECHANGE"},
    {0x001C, "WM_ACTIVATEAPP"},
    {0x001D, "WM_FONTCHANGE"},
    {0x001E, "WM_TIMECHANGE"},
    {0x001F, "WM_CANCELMODE"},
    {0x0020, "WM_SETCURSOR"},
    {0x0021, "WM_MOUSEACTIVATE"},
    {0x0022, "WM_CHILDACTIVATE"},
    {0x0023, "WM_QUEUESYNC"},
    {0x0024, "WM_GETMINMAXINFO"},
    {0x0026, "WM_PAINTICON"},
    {0x0027, "WM_ICONERASEBKGND"},
    {0x0028, "WM_NEXTDLGCTL"},
    {0x002A, "WM_SPOOLERSTATUS"},
    {0x002B, "WM_DRAWITEM"},
    {0x002C, "WM_MEASUREITEM"},
    {0x002D, "WM_DELETEITEM"},
    {0x002E, "WM_VKEYTOITEM"},
    {0x002F, "WM_CHARTOITEM"},
    {0x0030, "WM_SETFONT"},
    {0x0031, "WM_GETFONT"},
    {0x0032, "WM_SETHOTKEY"},
    {0x0033, "WM_GETHOTKEY"},
    {0x0037, "WM_QUERYDRAGICON"},
    {0x0039, "WM_COMPAREITEM"},
    {0x003D, "WM_GETOBJECT"},
    {0x0041, "WM_COMPACTING"},
    {0x0044, "WM_COMMNOTIFY"},
    {0x0046, "WM_WINDOWPOSCHANGING"},
    {0x0047, "WM_WINDOWPOSCHANGED"},
    {0x0048, "WM_POWER"},
    {0x004A, "WM_COPYDATA"},
    {0x004B, "WM_CANCELJOURNAL"},
    {0x004E, "WM_NOTIFY"},
    {0x0050, "WM_INPUTLANGCHANGEREQUEST"},
    {0x0051, "WM_INPUTLANGCHANGE"},
    {0x0052, "WM_TCARD"},
    {0x0053, "WM_HELP"},
    {0x0054, "WM_USERCHANGED"},
    {0x0055, "WM_NOTIFYFORMAT"},
    {0x007B, "WM_CONTEXTMENU"},
    {0x007C, "WM_STYLECHANGING"},
    {0x007D, "WM_STYLECHANGED"},
    {0x007E, "WM_DISPLAYCHANGE"},
    {0x007F, "WM_GETICON"},
    {0x0080, "WM_SETICON"},
    {0x0081, "WM_NCCREATE"},
    {0x0082, "WM_NCDESTROY"},
    {0x0083, "WM_NCCALCSIZE"},
    {0x0084, "WM_NCHITTEST"},
    {0x0085, "WM_NCPAINT"},
    {0x0086, "WM_NCACTIVATE"},
    {0x0087, "WM_GETDLGCODE"},
    {0x0088, "WM_SYNCPAINT"},
    {0x00A0, "WM_NCMOUSEMOVE"},
    {0x00A1, "WM_NCLBUTTONDOWN"},
    {0x00A2, "WM_NCLBUTTONUP"},
    {0x00A3, "WM_NCLBUTTONDBLCLK"},
    {0x00A4, "WM_NCRBUTTONDOWN"},
    {0x00A5, "WM_NCRBUTTONUP"},
    {0x00A6, "WM_NCRBUTTONDBLCLK"},
    {0x00A7, "WM_NCMBUTTONDOWN"},
    {0x00A8, "WM_NCMBUTTONUP"},
    {0x00A9, "WM_NCMBUTTONDBLCLK"},
    {0x00AB, "WM_NCXBUTTONDOWN"},
    {0x00AC, "WM_NCXBUTTONUP"},
    {0x00AD, "WM_NCXBUTTONDBLCLK"},
    {0x00FE, "WM_INPUT_DEVICE_CHANGE"},
    {0x00FF, "WM_INPUT"},
    {0x0100, "WM_KEYDOWN"},
    {0x0101, "WM_KEYUP"},
    {0x0102, "WM_CHAR"},
    {0x0103, "WM_DEADCHAR"},
    {0x0104, "WM_SYSKEYDOWN"},
    {0x0105, "WM_SYSKEYUP"},
    {0x0106, "WM_SYSCHAR"},
    {0x0107, "WM_SYSDEADCHAR"},
    {0x0109, "WM_UNICHAR"},
    {0x010D, "WM_IME_STARTCOMPOSITION"},
    {0x010E, "WM_IME_ENDCOMPOSITION"},
    {0x010F, "WM_IME_COMPOSITION"},
    {0x0110, "WM_INITDIALOG"},
    {0x0111, "WM_COMMAND"},
    {0x0112, "WM_SYSCOMMAND"},
    {0x0113, "WM_TIMER"},
    {0x0114, "WM_HSCROLL"},
    {0x0115, "WM_VSCROLL"},
    {0x0116, "WM_INITMENU"},
    {0x0117, "WM_INITMENUPOPUP"},
    {0x0119, "WM_GESTURE"},
    {0x011A, "WM_GESTURENOTIFY"},
    {0x011F, "WM_MENUSELECT"},
    {0x0120, "WM_MENUCHAR"},
    {0x0121, "WM_ENTERIDLE"},
    {0x0122, "WM_MENURBUTTONUP"},
    {0x0123, "WM_MENUDRAG"},
    {0x0124, "WM_MENUGETOBJECT"},
    {0x0125, "WM_UNINITMENUPOPUP"},
    {0x0126, "WM_MENUCOMMAND"},
    {0x0127, "WM_CHANGEUISTATE"},
    {0x0128, "WM_UPDATEUISTATE"},
    {0x0129, "WM_QUERYUISTATE"},
    {0x0132, "WM_CTLCOLORMSGBOX"},
    {0x0133, "WM_CTLCOLOREDIT"},
    {0x0134, "WM_CTLCOLORLISTBOX"},
    {0x0135, "WM_CTLCOLORBTN"},
    {0x0136, "WM_CTLCOLORDLG"},
    {0x0137, "WM_CTLCOLORSCROLLBAR"},
    {0x0138, "WM_CTLCOLORSTATIC"},
    {0x01E1, "MN_GETHMENU"},
    {0x0200, "WM_MOUSEMOVE"},
    {0x0201, "WM_LBUTTONDOWN"},
    {0x0202, "WM_LBUTTONUP"},
    {0x0203, "WM_LBUTTONDBLCLK"},
    {0x0204, "WM_RBUTTONDOWN"},
    {0x0205, "WM_RBUTTONUP"},
    {0x0206, "WM_RBUTTONDBLCLK"},
    {0x0207, "WM_MBUTTONDOWN"},
    {0x0208, "WM_MBUTTONUP"},
    {0x0209, "WM_MBUTTONDBLCLK"},
    {0x020A, "WM_MOUSEWHEEL"},
    {0x020B, "WM_XBUTTONDOWN"},
    {0x020C, "WM_XBUTTONUP"},
    {0x020D, "WM_XBUTTONDBLCLK"},
    {0x020E, "WM_MOUSEHWHEEL"},
    {0x0210, "WM_PARENTNOTIFY"},
    {0x0211, "WM_ENTERMENULOOP"},
    {0x0212, "WM_EXITMENULOOP"},
    {0x0213, "WM_NEXTMENU"},
    {0x0214, "WM_SIZING"},
    {0x0215, "WM_CAPTURECHANGED"},
    {0x0216, "WM_MOVING"},
    {0x0218, "WM_POWERBROADCAST"},
    {0x0219, "WM_DEVICECHANGE"},
    {0x0220, "WM_MDICREATE"},
    {0x0221, "WM_MDIDESTROY"},
    {0x0222, "WM_MDIACTIVATE"},
    {0x0223, "WM_MDIRESTORE"},
    {0x0224, "WM_MDINEXT"},
    {0x0225, "WM_MDIMAXIMIZE"},
    {0x0226, "WM_MDITILE"},
    {0x0227, "WM_MDICASCADE"},
    {0x0228, "WM_MDIICONARRANGE"},
    {0x0229, "WM_MDIGETACTIVE"},
    {0x0230, "WM_MDISETMENU"},
    {0x0231, "WM_ENTERSIZEMOVE"},
    {0x0232, "WM_EXITSIZEMOVE"},
    {0x0233, "WM_DROPFILES"},
    {0x0234, "WM_MDIREFRESHMENU"},
    {0x0238, "WM_POINTERDEVICECHANGE"},
    {0x0239, "WM_POINTERDEVICEINRANGE"},
    {0x023A, "WM_POINTERDEVICEOUTOFRANGE"},
    {0x0240, "WM_TOUCH"},
    {0x0241, "WM_NCPOINTERUPDATE"},
    {0x0242, "WM_NCPOINTERDOWN"},
    {0x0243, "WM_NCPOINTERUP"},
    {0x0245, "WM_POINTERUPDATE"},
    {0x0246, "WM_POINTERDOWN"},
    {0x0247, "WM_POINTERUP"},
    {0x0249, "WM_POINTERENTER"},
    {0x024A, "WM_POINTERLEAVE"},
    {0x024B, "WM_POINTERACTIVATE"},
    {0x024C, "WM_POINTERCAPTURECHANGED"},
    {0x024D, "WM_TOUCHHITTESTING"},
    {0x024E, "WM_POINTERWHEEL"},
    {0x024F, "WM_POINTERHWHEEL"},
    {0x0251, "WM_POINTERROUTEDTO"},
    {0x0252, "WM_POINTERROUTEDAWAY"},
    {0x0253, "WM_POINTERROUTEDRELEASED"},
    {0x0281, "WM_IME_SETCONTEXT"},
    {0x0282, "WM_IME_NOTIFY"},
    {0x0283, "WM_IME_CONTROL"},
    {0x0284, "WM_IME_COMPOSITIONFULL"},
    {0x0285, "WM_IME_SELECT"},
    {0x0286, "WM_IME_CHAR"},
    {0x0288, "WM_IME_REQUEST"},
    {0x0290, "WM_IME_KEYDOWN"},
    {0x0291, "WM_IME_KEYUP"},
    {0x02A0, "WM_NCMOUSEHOVER"},
    {0x02A1, "WM_MOUSEHOVER"},
    {0x02A2, "WM_NCMOUSELEAVE"},
    {0x02A3, "WM_MOUSELEAVE"},
    {0x02B1, "WM_WTSSESSION_CHANGE"},
    {0x02E0, "WM_DPICHANGED"},
    {0x02E2, "WM_DPICHANGED_BEFOREPARENT"},
    {0x02E3, "WM_DPICHANGED_AFTERPARENT"},
    {0x02E4, "WM_GETDPISCALEDSIZE"},
    {0x0300, "WM_CUT"},
    {0x0301, "WM_COPY"},
    {0x0302, "WM_PASTE"},
    {0x0303, "WM_CLEAR"},
    {0x0304, "WM_UNDO"},
    {0x0305, "WM_RENDERFORMAT"},
    {0x0306, "WM_RENDERALLFORMATS"},
    {0x0307, "WM_DESTROYCLIPBOARD"},
    {0x0308, "WM_DRAWCLIPBOARD"},
    {0x0309, "WM_PAINTCLIPBOARD"},
    {0x030A, "WM_VSCROLLCLIPBOARD"},
    {0x030B, "WM_SIZECLIPBOARD"},
    {0x030C, "WM_ASKCBFORMATNAME"},
    {0x030D, "WM_CHANGECBCHAIN"},
    {0x030E, "WM_HSCROLLCLIPBOARD"},
    {0x030F, "WM_QUERYNEWPALETTE"},
    {0x0310, "WM_PALETTEISCHANGING"},
    {0x0311, "WM_PALETTECHANGED"},
    {0x0312, "WM_HOTKEY"},
    {0x0317, "WM_PRINT"},
    {0x0318, "WM_PRINTCLIENT"},
    {0x0319, "WM_APPCOMMAND"},
    {0x031A, "WM_THEMECHANGED"},
    {0x031D, "WM_CLIPBOARDUPDATE"},
    {0x031E, "WM_DWMCOMPOSITIONCHANGED"},
    {0x031F, "WM_DWMNCRENDERINGCHANGED"},
    {0x0320, "WM_DWMCOLORIZATIONCOLORCHANGED"},
    {0x0321, "WM_DWMWINDOWMAXIMIZEDCHANGE"},
    {0x0323, "WM_DWMSENDICONICTHUMBNAIL"},
    {0x0326, "WM_DWMSENDICONICLIVEPREVIEWBITMAP"},
    {0x033F, "WM_GETTITLEBARINFOEX"},
};

constexpr MessageName kEditMessages[] = {
    {0x00B0, "EM_GETSEL"},
    {0x00B1, "EM_SETSEL"},
    {0x00B2, "EM_GETRECT"},
    {0x00B3, "EM_SETRECT"},
    {0x00B4, "EM_SETRECTNP"},
    {0x00B5, "EM_SCROLL"},
    {0x00B6, "EM_LINESCROLL"},
    {0x00B7, "EM_SCROLLCARET"},
    {0x00B8, "EM_GETMODIFY"},
    {0x00B9, "EM_SETMODIFY"},
    {0x00BA, "EM_GETLINECOUNT"},
    {0x00BB, "EM_LINEINDEX"},
    {0x00BC, "EM_SETHANDLE"},
    {0x00BD, "EM_GETHANDLE"},
    {0x00BE, "EM_GETTHUMB"},
    {0x00C1, "EM_LINELENGTH"},
    {0x00C2, "EM_REPLACESEL"},
    {0x00C4, "EM_GETLINE"},
    {0x00C5, "EM_LIMITTEXT"},
    {0x00C6, "EM_CANUNDO"},
    {0x00C7, "EM_UNDO"},
    {0x00C8, "EM_FMTLINES"},
    {0x00C9, "EM_LINEFROMCHAR"},
    {0x00CB, "EM_SETTABSTOPS"},
    {0x00CC, "EM_SETPASSWORDCHAR"},
    {0x00CD, "EM_EMPTYUNDOBUFFER"},
    {0x00CE, "EM_GETFIRSTVISIBLELINE"},
    {0x00CF, "EM_SETREADONLY"},
    {0x00D0, "EM_SETWORDBREAKPROC"},
    {0x00D1, "EM_GETWORDBREAKPROC"},
    {0x00D2, "EM_GETPASSWORDCHAR"},
    {0x00D3, "EM_SETMARGINS"},
    {0x00D4, "EM_GETMARGINS"},
    {0x00D5, "EM_GETLIMITTEXT"},
    {0x00D6, "EM_POSFROMCHAR"},
    {0x00D7, "EM_CHARFROMPOS"},
    {0x00D8, "EM_SETIMESTATUS"},
    {0x00D9, "EM_GETIMESTATUS"},
    {0x00DA, "EM_ENABLEFEATURE"},
};

constexpr MessageName kEditMessagesEx[] = {
    {0x1501, "EM_SETCUEBANNER"},   {0x1502, "EM_GETCUEBANNER"}, {0x1503, "EM_SHOWBALLOONTIP"},
    {0x1504, "EM_HIDEBALLOONTIP"}, {0x1505, "EM_SETHILITE"},    {0x1506, "EM_GETHILITE"},
    {0x1507, "EM_NOSETFOCUS"},     {0x1508, "EM_TAKEFOCUS"},
};

constexpr MessageName kButtonMessages[] = {
    {0x00F0, "BM_GETCHECK"}, {0x00F1, "BM_SETCHECK"}, {0x00F2, "BM_GETSTATE"},
    {0x00F3, "BM_SETSTATE"}, {0x00F4, "BM_SETSTYLE"}, {0x00F5, "BM_CLICK"},
    {0x00F6, "BM_GETIMAGE"}, {0x00F7, "BM_SETIMAGE"}, {0x00F8, "BM_SETDONTCLICK"},
};

constexpr MessageName kButtonMessagesEx[] = {
    {0x1601, "BCM_GETIDEALSIZE"},  {0x1602, "BCM_SETIMAGELIST"},  {0x1603, "BCM_GETIMAGELIST"},
    {0x1604, "BCM_SETTEXTMARGIN"}, {0x1605, "BCM_GETTEXTMARGIN"}, {0x1606, "BCM_SETDROPDOWNSTATE"},
    {0x1607, "BCM_SETSPLITINFO"},  {0x1608, "BCM_GETSPLITINFO"},  {0x1609, "BCM_SETNOTE"},
    {0x160A, "BCM_GETNOTE"},       {0x160B, "BCM_GETNOTELENGTH"}, {0x160C, "BCM_SETSHIELD"},
};

constexpr MessageName kScrollBarMessages[] = {
    {0x00E0, "SBM_SETPOS"},        {0x00E1, "SBM_GETPOS"},        {0x00E2, "SBM_SETRANGE"},
    {0x00E3, "SBM_GETRANGE"},      {0x00E4, "SBM_ENABLE_ARROWS"}, {0x00E6, "SBM_SETRANGEREDRAW"},
    {0x00E9, "SBM_SETSCROLLINFO"}, {0x00EA, "SBM_GETSCROLLINFO"}, {0x00EB, "SBM_GETSCROLLBARINFO"},
};

constexpr MessageName kStaticMessages[] = {
    {0x0170, "STM_SETICON"},
    {0x0171, "STM_GETICON"},
    {0x0172, "STM_SETIMAGE"},
    {0x0173, "STM_GETIMAGE"},
};

constexpr MessageName kListBoxMessages[] = {
    {0x0180, "LB_ADDSTRING"},
    {0x0181, "LB_INSERTSTRING"},
    {0x0182, "LB_DELETESTRING"},
    {0x0183, "LB_SELITEMRANGEEX"},
    {0x0184, "LB_RESETCONTENT"},
    {0x0185, "LB_SETSEL"},
    {0x0186, "LB_SETCURSEL"},
    {0x0187, "LB_GETSEL"},
    {0x0188, "LB_GETCURSEL"},
    {0x0189, "LB_GETTEXT"},
    {0x018A, "LB_GETTEXTLEN"},
    {0x018B, "LB_GETCOUNT"},
    {0x018C, "LB_SELECTSTRING"},
    {0x018D, "LB_DIR"},
    {0x018E, "LB_GETTOPINDEX"},
    {0x018F, "LB_FINDSTRING"},
    {0x0190, "LB_GETSELCOUNT"},
    {0x0191, "LB_GETSELITEMS"},
    {0x0192, "LB_SETTABSTOPS"},
    {0x0193, "LB_GETHORIZONTALEXTENT"},
    {0x0194, "LB_SETHORIZONTALEXTENT"},
    {0x0195, "LB_SETCOLUMNWIDTH"},
    {0x0196, "LB_ADDFILE"},
    {0x0197, "LB_SETTOPINDEX"},
    {0x0198, "LB_GETITEMRECT"},
    {0x0199, "LB_GETITEMDATA"},
    {0x019A, "LB_SETITEMDATA"},
    {0x019B, "LB_SELITEMRANGE"},
    {0x019C, "LB_SETANCHORINDEX"},
    {0x019D, "LB_GETANCHORINDEX"},
    {0x019E, "LB_SETCARETINDEX"},
    {0x019F, "LB_GETCARETINDEX"},
    {0x01A0, "LB_SETITEMHEIGHT"},
    {0x01A1, "LB_GETITEMHEIGHT"},
    {0x01A2, "LB_FINDSTRINGEXACT"},
    {0x01A5, "LB_SETLOCALE"},
    {0x01A6, "LB_GETLOCALE"},
    {0x01A7, "LB_SETCOUNT"},
    {0x01A8, "LB_INITSTORAGE"},
    {0x01A9, "LB_ITEMFROMPOINT"},
    {0x01B2, "LB_GETLISTBOXINFO"},
};

constexpr MessageName kComboBoxMessages[] = {
    {0x0140, "CB_GETEDITSEL"},
    {0x0141, "CB_LIMITTEXT"},
    {0x0142, "CB_SETEDITSEL"},
    {0x0143, "CB_ADDSTRING"},
    {0x0144, "CB_DELETESTRING"},
    {0x0145, "CB_DIR"},
    {0x0146, "CB_GETCOUNT"},
    {0x0147, "CB_GETCURSEL"},
    {0x0148, "CB_GETLBTEXT"},
    {0x0149, "CB_GETLBTEXTLEN"},
    {0x014A, "CB_INSERTSTRING"},
    {0x014B, "CB_RESETCONTENT"},
    {0x014C, "CB_FINDSTRING"},
    {0x014D, "CB_SELECTSTRING"},
    {0x014E, "CB_SETCURSEL"},
    {0x014F, "CB_SHOWDROPDOWN"},
    {0x0150, "CB_GETITEMDATA"},
    {0x0151, "CB_SETITEMDATA"},
    {0x0152, "CB_GETDROPPEDCONTROLRECT"},
    {0x0153, "CB_SETITEMHEIGHT"},
    {0x0154, "CB_GETITEMHEIGHT"},
    {0x0155, "CB_SETEXTENDEDUI"},
    {0x0156, "CB_GETEXTENDEDUI"},
    {0x0157, "CB_GETDROPPEDSTATE"},
    {0x0158, "CB_FINDSTRINGEXACT"},
    {0x0159, "CB_SETLOCALE"},
    {0x015A, "CB_GETLOCALE"},
    {0x015B, "CB_GETTOPINDEX"},
    {0x015C, "CB_SETTOPINDEX"},
    {0x015D, "CB_GETHORIZONTALEXTENT"},
    {0x015E, "CB_SETHORIZONTALEXTENT"},
    {0x015F, "CB_GETDROPPEDWIDTH"},
    {0x0160, "CB_SETDROPPEDWIDTH"},
    {0x0161, "CB_INITSTORAGE"},
    {0x0164, "CB_GETCOMBOBOXINFO"},
};

constexpr MessageName kComboBoxMessagesEx[] = {
    {0x1701, "CB_SETMINVISIBLE"},
    {0x1702, "CB_GETMINVISIBLE"},
    {0x1703, "CB_SETCUEBANNER"},
    {0x1704, "CB_GETCUEBANNER"},
};

constexpr MessageName kCommonControlMessages[] = {
    {0x2001, "CCM_SETBKCOLOR"},       {0x2002, "CCM_SETCOLORSCHEME"},
    {0x2003, "CCM_GETCOLORSCHEME"},   {0x2004, "CCM_GETDROPTARGET"},
    {0x2005, "CCM_SETUNICODEFORMAT"}, {0x2006, "CCM_GETUNICODEFORMAT"},
    {0x2007, "CCM_SETVERSION"},       {0x2008, "CCM_GETVERSION"},
    {0x2009, "CCM_SETNOTIFYWINDOW"},  {0x200B, "CCM_SETWINDOWTHEME"},
    {0x200C, "CCM_DPISCALE"},
};

constexpr MessageName kTreeViewMessages[] = {
    {0x1100, "TVM_INSERTITEMA"},
    {0x1101, "TVM_DELETEITEM"},
    {0x1102, "TVM_EXPAND"},
    {0x1104, "TVM_GETITEMRECT"},
    {0x1105, "TVM_GETCOUNT"},
    {0x1106, "TVM_GETINDENT"},
    {0x1107, "TVM_SETINDENT"},
    {0x1108, "TVM_GETIMAGELIST"},
    {0x1109, "TVM_SETIMAGELIST"},
    {0x110A, "TVM_GETNEXTITEM"},
    {0x110B, "TVM_SELECTITEM"},
    {0x110C, "TVM_GETITEMA"},
    {0x110D, "TVM_SETITEMA"},
    {0x110E, "TVM_EDITLABELA"},
    {0x110F, "TVM_GETEDITCONTROL"},
    {0x1110, "TVM_GETVISIBLECOUNT"},
    {0x1111, "TVM_HITTEST"},
    {0x1112, "TVM_CREATEDRAGIMAGE"},
    {0x1113, "TVM_SORTCHILDREN"},
    {0x1114, "TVM_ENSUREVISIBLE"},
    {0x1115, "TVM_SORTCHILDRENCB"},
    {0x1116, "TVM_ENDEDITLABELNOW"},
    {0x1117, "TVM_GETISEARCHSTRINGA"},
    {0x1118, "TVM_SETTOOLTIPS"},
    {0x1119, "TVM_GETTOOLTIPS"},
    {0x111A, "TVM_SETINSERTMARK"},
    {0x111B, "TVM_SETITEMHEIGHT"},
    {0x111C, "TVM_GETITEMHEIGHT"},
    {0x111D, "TVM_SETBKCOLOR"},
    {0x111E, "TVM_SETTEXTCOLOR"},
    {0x111F, "TVM_GETBKCOLOR"},
    {0x1120, "TVM_GETTEXTCOLOR"},
    {0x1121, "TVM_SETSCROLLTIME"},
    {0x1122, "TVM_GETSCROLLTIME"},
    {0x1125, "TVM_SETINSERTMARKCOLOR"},
    {0x1126, "TVM_GETINSERTMARKCOLOR"},
    {0x1127, "TVM_GETITEMSTATE"},
    {0x1128, "TVM_SETLINECOLOR"},
    {0x1129, "TVM_GETLINECOLOR"},
    {0x112A, "TVM_MAPACCIDTOHTREEITEM"},
    {0x112B, "TVM_MAPHTREEITEMTOACCID"},
    {0x112C, "TVM_SETEXTENDEDSTYLE"},
    {0x112D, "TVM_GETEXTENDEDSTYLE"},
    {0x1132, "TVM_INSERTITEMW"},
    {0x1133, "TVM_SETHOT"},
    {0x1134, "TVM_SETAUTOSCROLLINFO"},
    {0x113E, "TVM_GETITEMW"},
    {0x113F, "TVM_SETITEMW"},
    {0x1140, "TVM_GETISEARCHSTRINGW"},
    {0x1141, "TVM_EDITLABELW"},
    {0x1146, "TVM_GETSELECTEDCOUNT"},
    {0x1147, "TVM_SHOWINFOTIP"},
    {0x1148, "TVM_GETITEMPARTRECT"},
};

constexpr MessageName kListViewMessages[] = {
    {0x1000, "LVM_GETBKCOLOR"},
    {0x1001, "LVM_SETBKCOLOR"},
    {0x1002, "LVM_GETIMAGELIST"},
    {0x1003, "LVM_SETIMAGELIST"},
    {0x1004, "LVM_GETITEMCOUNT"},
    {0x1005, "LVM_GETITEMA"},
    {0x1006, "LVM_SETITEMA"},
    {0x1007, "LVM_INSERTITEMA"},
    {0x1008, "LVM_DELETEITEM"},
    {0x1009, "LVM_DELETEALLITEMS"},
    {0x100A, "LVM_GETCALLBACKMASK"},
    {0x100B, "LVM_SETCALLBACKMASK"},
    {0x100C, "LVM_GETNEXTITEM"},
    {0x100D, "LVM_FINDITEMA"},
    {0x100E, "LVM_GETITEMRECT"},
    {0x100F, "LVM_SETITEMPOSITION"},
    {0x1010, "LVM_GETITEMPOSITION"},
    {0x1011, "LVM_GETSTRINGWIDTHA"},
    {0x1012, "LVM_HITTEST"},
    {0x1013, "LVM_ENSUREVISIBLE"},
    {0x1014, "LVM_SCROLL"},
    {0x1015, "LVM_REDRAWITEMS"},
    {0x1016, "LVM_ARRANGE"},
    {0x1017, "LVM_EDITLABELA"},
    {0x1018, "LVM_GETEDITCONTROL"},
    {0x1019, "LVM_GETCOLUMNA"},
    {0x101A, "LVM_SETCOLUMNA"},
    {0x101B, "LVM_INSERTCOLUMNA"},
    {0x101C, "LVM_DELETECOLUMN"},
    {0x101D, "LVM_GETCOLUMNWIDTH"},
    {0x101E, "LVM_SETCOLUMNWIDTH"},
    {0x101F, "LVM_GETHEADER"},
    {0x1021, "LVM_CREATEDRAGIMAGE"},
    {0x1022, "LVM_GETVIEWRECT"},
    {0x1023, "LVM_GETTEXTCOLOR"},
    {0x1024, "LVM_SETTEXTCOLOR"},
    {0x1025, "LVM_GETTEXTBKCOLOR"},
    {0x1026, "LVM_SETTEXTBKCOLOR"},
    {0x1027, "LVM_GETTOPINDEX"},
    {0x1028, "LVM_GETCOUNTPERPAGE"},
    {0x1029, "LVM_GETORIGIN"},
    {0x102A, "LVM_UPDATE"},
    {0x102B, "LVM_SETITEMSTATE"},
    {0x102C, "LVM_GETITEMSTATE"},
    {0x102D, "LVM_GETITEMTEXTA"},
    {0x102E, "LVM_SETITEMTEXTA"},
    {0x102F, "LVM_SETITEMCOUNT"},
    {0x1030, "LVM_SORTITEMS"},
    {0x1031, "LVM_SETITEMPOSITION32"},
    {0x1032, "LVM_GETSELECTEDCOUNT"},
    {0x1033, "LVM_GETITEMSPACING"},
    {0x1034, "LVM_GETISEARCHSTRINGA"},
    {0x1035, "LVM_SETICONSPACING"},
    {0x1036, "LVM_SETEXTENDEDLISTVIEWSTYLE"},
    {0x1037, "LVM_GETEXTENDEDLISTVIEWSTYLE"},
    {0x1038, "LVM_GETSUBITEMRECT"},
    {0x1039, "LVM_SUBITEMHITTEST"},
    {0x103A, "LVM_SETCOLUMNORDERARRAY"},
    {0x103B, "LVM_GETCOLUMNORDERARRAY"},
    {0x103C, "LVM_SETHOTITEM"},
    {0x103D, "LVM_GETHOTITEM"},
    {0x103E, "LVM_SETHOTCURSOR"},
    {0x103F, "LVM_GETHOTCURSOR"},
    {0x1040, "LVM_APPROXIMATEVIEWRECT"},
    {0x1041, "LVM_SETWORKAREAS"},
    {0x1042, "LVM_GETSELECTIONMARK"},
    {0x1043, "LVM_SETSELECTIONMARK"},
    {0x1044, "LVM_SETBKIMAGEA"},
    {0x1045, "LVM_GETBKIMAGEA"},
    {0x1046, "LVM_GETWORKAREAS"},
    {0x1047, "LVM_SETHOVERTIME"},
    {0x1048, "LVM_GETHOVERTIME"},
    {0x1049, "LVM_GETNUMBEROFWORKAREAS"},
    {0x104A, "LVM_SETTOOLTIPS"},
    {0x104B, "LVM_GETITEMW"},
    {0x104C, "LVM_SETITEMW"},
    {0x104D, "LVM_INSERTITEMW"},
    {0x104E, "LVM_GETTOOLTIPS"},
    {0x1051, "LVM_SORTITEMSEX"},
    {0x1053, "LVM_FINDITEMW"},
    {0x1057, "LVM_GETSTRINGWIDTHW"},
    {0x105F, "LVM_GETCOLUMNW"},
    {0x1060, "LVM_SETCOLUMNW"},
    {0x1061, "LVM_INSERTCOLUMNW"},
    {0x1073, "LVM_GETITEMTEXTW"},
    {0x1074, "LVM_SETITEMTEXTW"},
    {0x1075, "LVM_GETISEARCHSTRINGW"},
    {0x1076, "LVM_EDITLABELW"},
    {0x108A, "LVM_SETBKIMAGEW"},
    {0x108B, "LVM_GETBKIMAGEW"},
    {0x108C, "LVM_SETSELECTEDCOLUMN"},
    {0x108E, "LVM_SETVIEW"},
    {0x108F, "LVM_GETVIEW"},
    {0x1091, "LVM_INSERTGROUP"},
    {0x1093, "LVM_SETGROUPINFO"},
    {0x1095, "LVM_GETGROUPINFO"},
    {0x1096, "LVM_REMOVEGROUP"},
    {0x1097, "LVM_MOVEGROUP"},
    {0x1098, "LVM_GETGROUPCOUNT"},
    {0x1099, "LVM_GETGROUPINFOBYINDEX"},
    {0x109A, "LVM_MOVEITEMTOGROUP"},
    {0x109B, "LVM_SETGROUPMETRICS"},
    {0x109C, "LVM_GETGROUPMETRICS"},
    {0x109D, "LVM_ENABLEGROUPVIEW"},
    {0x109E, "LVM_SORTGROUPS"},
    {0x109F, "LVM_INSERTGROUPSORTED"},
    {0x10A0, "LVM_REMOVEALLGROUPS"},
    {0x10A1, "LVM_HASGROUP"},
    {0x10A2, "LVM_SETTILEVIEWINFO"},
    {0x10A3, "LVM_GETTILEVIEWINFO"},
    {0x10A4, "LVM_SETTILEINFO"},
    {0x10A5, "LVM_GETTILEINFO"},
    {0x10A6, "LVM_SETINSERTMARK"},
    {0x10A7, "LVM_GETINSERTMARK"},
    {0x10A8, "LVM_INSERTMARKHITTEST"},
    {0x10A9, "LVM_GETINSERTMARKRECT"},
    {0x10AA, "LVM_SETINSERTMARKCOLOR"},
    {0x10AB, "LVM_GETINSERTMARKCOLOR"},
    {0x10AD, "LVM_SETINFOTIP"},
    {0x10AE, "LVM_GETSELECTEDCOLUMN"},
    {0x10AF, "LVM_ISGROUPVIEWENABLED"},
    {0x10B0, "LVM_GETOUTLINECOLOR"},
    {0x10B1, "LVM_SETOUTLINECOLOR"},
    {0x10B3, "LVM_CANCELEDITLABEL"},
    {0x10B4, "LVM_MAPINDEXTOID"},
    {0x10B5, "LVM_MAPIDTOINDEX"},
    {0x10B6, "LVM_ISITEMVISIBLE"},
    {0x10CC, "LVM_GETEMPTYTEXT"},
    {0x10CD, "LVM_GETFOOTERRECT"},
    {0x10CE, "LVM_GETFOOTERINFO"},
    {0x10CF, "LVM_GETFOOTERITEMRECT"},
    {0x10D0, "LVM_GETFOOTERITEM"},
    {0x10D1, "LVM_GETITEMINDEXRECT"},
    {0x10D2, "LVM_SETITEMINDEXSTATE"},
    {0x10D3, "LVM_GETNEXTITEMINDEX"},
};

constexpr MessageName kHeaderMessages[] = {
    {0x1200, "HDM_GETITEMCOUNT"},
    {0x1201, "HDM_INSERTITEMA"},
    {0x1202, "HDM_DELETEITEM"},
    {0x1203, "HDM_GETITEMA"},
    {0x1204, "HDM_SETITEMA"},
    {0x1205, "HDM_LAYOUT"},
    {0x1206, "HDM_HITTEST"},
    {0x1207, "HDM_GETITEMRECT"},
    {0x1208, "HDM_SETIMAGELIST"},
    {0x1209, "HDM_GETIMAGELIST"},
    {0x120A, "HDM_INSERTITEMW"},
    {0x120B, "HDM_GETITEMW"},
    {0x120C, "HDM_SETITEMW"},
    {0x120F, "HDM_ORDERTOINDEX"},
    {0x1210, "HDM_CREATEDRAGIMAGE"},
    {0x1211, "HDM_GETORDERARRAY"},
    {0x1212, "HDM_SETORDERARRAY"},
    {0x1213, "HDM_SETHOTDIVIDER"},
    {0x1214, "HDM_SETBITMAPMARGIN"},
    {0x1215, "HDM_GETBITMAPMARGIN"},
    {0x1216, "HDM_SETFILTERCHANGETIMEOUT"},
    {0x1217, "HDM_EDITFILTER"},
    {0x1218, "HDM_CLEARFILTER"},
    {0x1219, "HDM_GETITEMDROPDOWNRECT"},
    {0x121A, "HDM_GETOVERFLOWRECT"},
    {0x121B, "HDM_GETFOCUSEDITEM"},
    {0x121C, "HDM_SETFOCUSEDITEM"},
};

constexpr MessageName kTabMessages[] = {
    {0x1302, "TCM_GETIMAGELIST"},     {0x1303, "TCM_SETIMAGELIST"},
    {0x1304, "TCM_GETITEMCOUNT"},     {0x1305, "TCM_GETITEMA"},
    {0x1306, "TCM_SETITEMA"},         {0x1307, "TCM_INSERTITEMA"},
    {0x1308, "TCM_DELETEITEM"},       {0x1309, "TCM_DELETEALLITEMS"},
    {0x130A, "TCM_GETITEMRECT"},      {0x130B, "TCM_GETCURSEL"},
    {0x130C, "TCM_SETCURSEL"},        {0x130D, "TCM_HITTEST"},
    {0x130E, "TCM_SETITEMEXTRA"},     {0x1328, "TCM_ADJUSTRECT"},
    {0x1329, "TCM_SETITEMSIZE"},      {0x132A, "TCM_REMOVEIMAGE"},
    {0x132B, "TCM_SETPADDING"},       {0x132C, "TCM_GETROWCOUNT"},
    {0x132D, "TCM_GETTOOLTIPS"},      {0x132E, "TCM_SETTOOLTIPS"},
    {0x132F, "TCM_GETCURFOCUS"},      {0x1330, "TCM_SETCURFOCUS"},
    {0x1331, "TCM_SETMINTABWIDTH"},   {0x1332, "TCM_DESELECTALL"},
    {0x1333, "TCM_HIGHLIGHTITEM"},    {0x1334, "TCM_SETEXTENDEDSTYLE"},
    {0x1335, "TCM_GETEXTENDEDSTYLE"}, {0x133C, "TCM_GETITEMW"},
    {0x133D, "TCM_SETITEMW"},         {0x133E, "TCM_INSERTITEMW"},
};

constexpr MessageName kToolbarMessages[] = {
    {0x0401, "TB_ENABLEBUTTON"},
    {0x0402, "TB_CHECKBUTTON"},
    {0x0403, "TB_PRESSBUTTON"},
    {0x0404, "TB_HIDEBUTTON"},
    {0x0405, "TB_INDETERMINATE"},
    {0x0406, "TB_MARKBUTTON"},
    {0x0409, "TB_ISBUTTONENABLED"},
    {0x040A, "TB_ISBUTTONCHECKED"},
    {0x040B, "TB_ISBUTTONPRESSED"},
    {0x040C, "TB_ISBUTTONHIDDEN"},
    {0x040D, "TB_ISBUTTONINDETERMINATE"},
    {0x040E, "TB_ISBUTTONHIGHLIGHTED"},
    {0x0411, "TB_SETSTATE"},
    {0x0412, "TB_GETSTATE"},
    {0x0413, "TB_ADDBITMAP"},
    {0x0414, "TB_ADDBUTTONSA"},
    {0x0415, "TB_INSERTBUTTONA"},
    {0x0416, "TB_DELETEBUTTON"},
    {0x0417, "TB_GETBUTTON"},
    {0x0418, "TB_BUTTONCOUNT"},
    {0x0419, "TB_COMMANDTOINDEX"},
    {0x041A, "TB_SAVERESTOREA"},
    {0x041B, "TB_CUSTOMIZE"},
    {0x041C, "TB_ADDSTRINGA"},
    {0x041D, "TB_GETITEMRECT"},
    {0x041E, "TB_BUTTONSTRUCTSIZE"},
    {0x041F, "TB_SETBUTTONSIZE"},
    {0x0420, "TB_SETBITMAPSIZE"},
    {0x0421, "TB_AUTOSIZE"},
    {0x0423, "TB_GETTOOLTIPS"},
    {0x0424, "TB_SETTOOLTIPS"},
    {0x0425, "TB_SETPARENT"},
    {0x0427, "TB_SETROWS"},
    {0x0428, "TB_GETROWS"},
    {0x0429, "TB_GETBITMAPFLAGS"},
    {0x042A, "TB_SETCMDID"},
    {0x042B, "TB_CHANGEBITMAP"},
    {0x042C, "TB_GETBITMAP"},
    {0x042D, "TB_GETBUTTONTEXTA"},
    {0x042E, "TB_REPLACEBITMAP"},
    {0x042F, "TB_SETINDENT"},
    {0x0430, "TB_SETIMAGELIST"},
    {0x0431, "TB_GETIMAGELIST"},
    {0x0432, "TB_LOADIMAGES"},
    {0x0433, "TB_GETRECT"},
    {0x0434, "TB_SETHOTIMAGELIST"},
    {0x0435, "TB_GETHOTIMAGELIST"},
    {0x0436, "TB_SETDISABLEDIMAGELIST"},
    {0x0437, "TB_GETDISABLEDIMAGELIST"},
    {0x0438, "TB_SETSTYLE"},
    {0x0439, "TB_GETSTYLE"},
    {0x043A, "TB_GETBUTTONSIZE"},
    {0x043B, "TB_SETBUTTONWIDTH"},
    {0x043C, "TB_SETMAXTEXTROWS"},
    {0x043D, "TB_GETTEXTROWS"},
    {0x043E, "TB_GETOBJECT"},
    {0x043F, "TB_GETBUTTONINFOW"},
    {0x0440, "TB_SETBUTTONINFOW"},
    {0x0441, "TB_GETBUTTONINFOA"},
    {0x0442, "TB_SETBUTTONINFOA"},
    {0x0443, "TB_INSERTBUTTONW"},
    {0x0444, "TB_ADDBUTTONSW"},
    {0x0445, "TB_HITTEST"},
    {0x0446, "TB_SETDRAWTEXTFLAGS"},
    {0x0447, "TB_GETHOTITEM"},
    {0x0448, "TB_SETHOTITEM"},
    {0x0449, "TB_SETANCHORHIGHLIGHT"},
    {0x044A, "TB_GETANCHORHIGHLIGHT"},
    {0x044B, "TB_GETBUTTONTEXTW"},
    {0x044C, "TB_SAVERESTOREW"},
    {0x044D, "TB_ADDSTRINGW"},
    {0x044E, "TB_MAPACCELERATORA"},
    {0x044F, "TB_GETINSERTMARK"},
    {0x0450, "TB_SETINSERTMARK"},
    {0x0451, "TB_INSERTMARKHITTEST"},
    {0x0452, "TB_MOVEBUTTON"},
    {0x0453, "TB_GETMAXSIZE"},
    {0x0454, "TB_SETEXTENDEDSTYLE"},
    {0x0455, "TB_GETEXTENDEDSTYLE"},
    {0x0456, "TB_GETPADDING"},
    {0x0457, "TB_SETPADDING"},
    {0x0458, "TB_SETINSERTMARKCOLOR"},
    {0x0459, "TB_GETINSERTMARKCOLOR"},
    {0x045A, "TB_MAPACCELERATORW"},
    {0x045B, "TB_GETSTRINGW"},
    {0x045C, "TB_GETSTRINGA"},
    {0x0465, "TB_GETMETRICS"},
    {0x0466, "TB_SETMETRICS"},
    {0x0467, "TB_GETITEMDROPDOWNRECT"},
    {0x0468, "TB_SETPRESSEDIMAGELIST"},
    {0x0469, "TB_GETPRESSEDIMAGELIST"},
};

constexpr MessageName kStatusBarMessages[] = {
    {0x0401, "SB_SETTEXTA"},     {0x0402, "SB_GETTEXTA"},       {0x0403, "SB_GETTEXTLENGTHA"},
    {0x0404, "SB_SETPARTS"},     {0x0406, "SB_GETPARTS"},       {0x0407, "SB_GETBORDERS"},
    {0x0408, "SB_SETMINHEIGHT"}, {0x0409, "SB_SIMPLE"},         {0x040A, "SB_GETRECT"},
    {0x040B, "SB_SETTEXTW"},     {0x040C, "SB_GETTEXTLENGTHW"}, {0x040D, "SB_GETTEXTW"},
    {0x040E, "SB_ISSIMPLE"},     {0x040F, "SB_SETICON"},        {0x0410, "SB_SETTIPTEXTA"},
    {0x0411, "SB_SETTIPTEXTW"},  {0x0412, "SB_GETTIPTEXTA"},    {0x0413, "SB_GETTIPTEXTW"},
    {0x0414, "SB_GETICON"},
};

constexpr MessageName kToolTipMessages[] = {
    {0x0401, "TTM_ACTIVATE"},
    {0x0403, "TTM_SETDELAYTIME"},
    {0x0404, "TTM_ADDTOOLA"},
    {0x0405, "TTM_DELTOOLA"},
    {0x0406, "TTM_NEWTOOLRECTA"},
    {0x0407, "TTM_RELAYEVENT"},
    {0x0408, "TTM_GETTOOLINFOA"},
    {0x0409, "TTM_SETTOOLINFOA"},
    {0x040A, "TTM_HITTESTA"},
    {0x040B, "TTM_GETTEXTA"},
    {0x040C, "TTM_UPDATETIPTEXTA"},
    {0x040D, "TTM_GETTOOLCOUNT"},
    {0x040E, "TTM_ENUMTOOLSA"},
    {0x040F, "TTM_GETCURRENTTOOLA"},
    {0x0410, "TTM_WINDOWFROMPOINT"},
    {0x0411, "TTM_TRACKACTIVATE"},
    {0x0412, "TTM_TRACKPOSITION"},
    {0x0413, "TTM_SETTIPBKCOLOR"},
    {0x0414, "TTM_SETTIPTEXTCOLOR"},
    {0x0415, "TTM_GETDELAYTIME"},
    {0x0416, "TTM_GETTIPBKCOLOR"},
    {0x0417, "TTM_GETTIPTEXTCOLOR"},
    {0x0418, "TTM_SETMAXTIPWIDTH"},
    {0x0419, "TTM_GETMAXTIPWIDTH"},
    {0x041A, "TTM_SETMARGIN"},
    {0x041B, "TTM_GETMARGIN"},
    {0x041C, "TTM_POP"},
    {0x041D, "TTM_UPDATE"},
    {0x041E, "TTM_GETBUBBLESIZE"},
    {0x041F, "TTM_ADJUSTRECT"},
    {0x0420, "TTM_SETTITLEA"},
    {0x0421, "TTM_SETTITLEW"},
    {0x0422, "TTM_POPUP"},
    {0x0423, "TTM_GETTITLE"},
    {0x0432, "TTM_ADDTOOLW"},
    {0x0433, "TTM_DELTOOLW"},
    {0x0434, "TTM_NEWTOOLRECTW"},
    {0x0435, "TTM_GETTOOLINFOW"},
    {0x0436, "TTM_SETTOOLINFOW"},
    {0x0437, "TTM_HITTESTW"},
    {0x0438, "TTM_GETTEXTW"},
    {0x0439, "TTM_UPDATETIPTEXTW"},
    {0x043A, "TTM_ENUMTOOLSW"},
    {0x043B, "TTM_GETCURRENTTOOLW"},
};

constexpr MessageName kProgressMessages[] = {
    {0x0401, "PBM_SETRANGE"},    {0x0402, "PBM_SETPOS"},   {0x0403, "PBM_DELTAPOS"},
    {0x0404, "PBM_SETSTEP"},     {0x0405, "PBM_STEPIT"},   {0x0406, "PBM_SETRANGE32"},
    {0x0407, "PBM_GETRANGE"},    {0x0408, "PBM_GETPOS"},   {0x0409, "PBM_SETBARCOLOR"},
    {0x040A, "PBM_SETMARQUEE"},  {0x040D, "PBM_GETSTEP"},  {0x040E, "PBM_GETBKCOLOR"},
    {0x040F, "PBM_GETBARCOLOR"}, {0x0410, "PBM_SETSTATE"}, {0x0411, "PBM_GETSTATE"},
};

constexpr MessageName kTrackbarMessages[] = {
    {0x0400, "TBM_GETPOS"},         {0x0401, "TBM_GETRANGEMIN"},    {0x0402, "TBM_GETRANGEMAX"},
    {0x0403, "TBM_GETTIC"},         {0x0404, "TBM_SETTIC"},         {0x0405, "TBM_SETPOS"},
    {0x0406, "TBM_SETRANGE"},       {0x0407, "TBM_SETRANGEMIN"},    {0x0408, "TBM_SETRANGEMAX"},
    {0x0409, "TBM_CLEARTICS"},      {0x040A, "TBM_SETSEL"},         {0x040B, "TBM_SETSELSTART"},
    {0x040C, "TBM_SETSELEND"},      {0x040E, "TBM_GETPTICS"},       {0x040F, "TBM_GETTICPOS"},
    {0x0410, "TBM_GETNUMTICS"},     {0x0411, "TBM_GETSELSTART"},    {0x0412, "TBM_GETSELEND"},
    {0x0413, "TBM_CLEARSEL"},       {0x0414, "TBM_SETTICFREQ"},     {0x0415, "TBM_SETPAGESIZE"},
    {0x0416, "TBM_GETPAGESIZE"},    {0x0417, "TBM_SETLINESIZE"},    {0x0418, "TBM_GETLINESIZE"},
    {0x0419, "TBM_GETTHUMBRECT"},   {0x041A, "TBM_GETCHANNELRECT"}, {0x041B, "TBM_SETTHUMBLENGTH"},
    {0x041C, "TBM_GETTHUMBLENGTH"}, {0x041D, "TBM_SETTOOLTIPS"},    {0x041E, "TBM_GETTOOLTIPS"},
    {0x041F, "TBM_SETTIPSIDE"},     {0x0420, "TBM_SETBUDDY"},       {0x0421, "TBM_GETBUDDY"},
    {0x0422, "TBM_SETPOSNOTIFY"},
};

constexpr MessageName kUpDownMessages[] = {
    {0x0465, "UDM_SETRANGE"}, {0x0466, "UDM_GETRANGE"},   {0x0467, "UDM_SETPOS"},
    {0x0468, "UDM_GETPOS"},   {0x0469, "UDM_SETBUDDY"},   {0x046A, "UDM_GETBUDDY"},
    {0x046B, "UDM_SETACCEL"}, {0x046C, "UDM_GETACCEL"},   {0x046D, "UDM_SETBASE"},
    {0x046E, "UDM_GETBASE"},  {0x046F, "UDM_SETRANGE32"}, {0x0470, "UDM_GETRANGE32"},
    {0x0471, "UDM_SETPOS32"}, {0x0472, "UDM_GETPOS32"},
};

constexpr MessageName kDialogMessages[] = {
    {0x0400, "DM_GETDEFID"},
    {0x0401, "DM_SETDEFID"},
    {0x0402, "DM_REPOSITION"},
};

struct ClassTables {
    ControlClass control;
    std::span<const MessageName> tables[3];
};

// Messages of WM_USER and above that only these classes give a meaning (the codes below WM_USER
// that controls use are in no other table, so they are named whatever the class).
constexpr ClassTables kClassTables[] = {
    {ControlClass::Button, {kButtonMessagesEx}},
    {ControlClass::Edit, {kEditMessagesEx}},
    {ControlClass::ComboBox, {kComboBoxMessagesEx}},
    {ControlClass::TreeView, {kTreeViewMessages, kCommonControlMessages}},
    {ControlClass::ListView, {kListViewMessages, kCommonControlMessages}},
    {ControlClass::Header, {kHeaderMessages, kCommonControlMessages}},
    {ControlClass::Tab, {kTabMessages, kCommonControlMessages}},
    {ControlClass::Toolbar, {kToolbarMessages, kCommonControlMessages}},
    {ControlClass::StatusBar, {kStatusBarMessages, kCommonControlMessages}},
    {ControlClass::ToolTip, {kToolTipMessages, kCommonControlMessages}},
    {ControlClass::Progress, {kProgressMessages, kCommonControlMessages}},
    {ControlClass::Trackbar, {kTrackbarMessages, kCommonControlMessages}},
    {ControlClass::UpDown, {kUpDownMessages, kCommonControlMessages}},
    {ControlClass::Dialog, {kDialogMessages}},
};

constexpr std::span<const MessageName> kControlMessagesBelowUser[] = {
    kEditMessages,   kButtonMessages,  kScrollBarMessages,
    kStaticMessages, kListBoxMessages, kComboBoxMessages,
};

struct ClassName {
    std::string_view name;
    ControlClass control;
};

constexpr ClassName kClassNames[] = {
    {"Button", ControlClass::Button},
    {"Edit", ControlClass::Edit},
    {"RichEdit", ControlClass::Edit},
    {"RichEdit20A", ControlClass::Edit},
    {"RichEdit20W", ControlClass::Edit},
    {"RICHEDIT50W", ControlClass::Edit},
    {"ListBox", ControlClass::ListBox},
    {"ComboLBox", ControlClass::ListBox},
    {"ComboBox", ControlClass::ComboBox},
    {"ComboBoxEx32", ControlClass::ComboBox},
    {"ScrollBar", ControlClass::ScrollBar},
    {"Static", ControlClass::Static},
    {"SysTreeView32", ControlClass::TreeView},
    {"SysListView32", ControlClass::ListView},
    {"SysHeader32", ControlClass::Header},
    {"SysTabControl32", ControlClass::Tab},
    {"ToolbarWindow32", ControlClass::Toolbar},
    {"msctls_statusbar32", ControlClass::StatusBar},
    {"tooltips_class32", ControlClass::ToolTip},
    {"msctls_progress32", ControlClass::Progress},
    {"msctls_trackbar32", ControlClass::Trackbar},
    {"msctls_updown32", ControlClass::UpDown},
    {"#32770", ControlClass::Dialog},
};

constexpr std::uint32_t kWmUser = 0x0400;
constexpr std::uint32_t kWmApp = 0x8000;
constexpr std::uint32_t kFirstRegistered = 0xC000;

const MessageName* Find(std::span<const MessageName> table, std::uint32_t code) {
    const auto at = std::lower_bound(
        table.begin(), table.end(), code,
        [](const MessageName& entry, std::uint32_t wanted) { return entry.code < wanted; });
    return at != table.end() && at->code == code ? &*at : nullptr;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(x) == FoldAscii(y);
           });
}

bool Within(std::uint32_t code, std::uint32_t first, std::uint32_t last) {
    return code >= first && code <= last;
}

// The group of a system message (below WM_USER).
MessageGroup SystemGroup(std::uint32_t code) {
    if (Within(code, 0x0200, 0x020E) || Within(code, 0x0238, 0x0253) || code == 0x02A1 ||
        code == 0x02A3 || code == 0x0020 || code == 0x0215) {
        return MessageGroup::Mouse;
    }
    if (Within(code, 0x0100, 0x0109) || code == 0x0312 || code == 0x0319) {
        return MessageGroup::Keyboard;
    }
    if (Within(code, 0x010D, 0x010F) || Within(code, 0x0281, 0x0291)) {
        return MessageGroup::Ime;
    }
    if (Within(code, 0x0300, 0x030E) || code == 0x031D) {
        return MessageGroup::Clipboard;
    }
    if (code == 0x0006 || code == 0x0007 || code == 0x0008 || code == 0x001C || code == 0x0021 ||
        code == 0x0022 || code == 0x0086) {
        return MessageGroup::Focus;
    }
    if (code == 0x000F || code == 0x0014 || code == 0x000B || code == 0x0026 || code == 0x0027 ||
        code == 0x0088 || code == 0x0317 || code == 0x0318 || Within(code, 0x0132, 0x0138)) {
        return MessageGroup::Paint;
    }
    if (Within(code, 0x0081, 0x0087) || Within(code, 0x00A0, 0x00AD) || code == 0x02A0 ||
        code == 0x02A2) {
        return MessageGroup::NonClient;
    }
    if (code == 0x0111 || code == 0x004E || Within(code, 0x002B, 0x002F) || code == 0x0039 ||
        code == 0x0114 || code == 0x0115 || code == 0x0210 || code == 0x0055 ||
        Within(code, 0x00B0, 0x01B2)) {
        return MessageGroup::Controls;
    }
    return MessageGroup::Window;
}

std::string Offset(std::string_view base, std::uint32_t offset) {
    return offset == 0 ? std::string(base) : std::string(base) + "+" + std::to_string(offset);
}

// "0x" and four digits, or eight where four do not hold the code.
std::string HexCode(std::uint32_t code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const int digits = code > 0xFFFF ? 8 : 4;
    std::string text = "0x";
    for (int i = digits - 1; i >= 0; --i) {
        text += kDigits[(code >> (4 * i)) & 0xF];
    }
    return text;
}

} // namespace

ControlClass ControlClassOf(std::string_view className) {
    for (const ClassName& entry : kClassNames) {
        if (EqualsFolded(entry.name, className)) {
            return entry.control;
        }
    }
    return ControlClass::None;
}

MessageIdentity IdentifyMessage(std::uint32_t message, ControlClass control,
                                std::string_view registeredName) {
    if (message < kWmUser) {
        if (const MessageName* known = Find(kSystemMessages, message)) {
            return {std::string(known->name), SystemGroup(message)};
        }
        for (std::span<const MessageName> table : kControlMessagesBelowUser) {
            if (const MessageName* known = Find(table, message)) {
                return {std::string(known->name), MessageGroup::Controls};
            }
        }
        return {HexCode(message), SystemGroup(message)};
    }
    if (message < kWmApp) {
        for (const ClassTables& entry : kClassTables) {
            if (entry.control != control) {
                continue;
            }
            for (std::span<const MessageName> table : entry.tables) {
                if (const MessageName* known = Find(table, message)) {
                    return {std::string(known->name), MessageGroup::Controls};
                }
            }
        }
        return {Offset("WM_USER", message - kWmUser), MessageGroup::User};
    }
    if (message < kFirstRegistered) {
        return {Offset("WM_APP", message - kWmApp), MessageGroup::User};
    }
    if (message <= 0xFFFF && !registeredName.empty()) {
        return {std::string(registeredName), MessageGroup::Registered};
    }
    return {HexCode(message), message <= 0xFFFF ? MessageGroup::Registered : MessageGroup::Window};
}

} // namespace vantry
