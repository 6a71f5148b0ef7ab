#include "resources/resources_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "resources/module_access.h"
#include "resources/resource_layout.h"
#include "resources/tree_pictures.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

namespace vantry {

namespace {

constexpr std::uint32_t kFieldBack = tk::SystemColor(COLOR_BTNFACE);
constexpr std::uint32_t kWorkspace = tk::SystemColor(COLOR_APPWORKSPACE);
constexpr std::uint32_t kWindowColor = tk::SystemColor(COLOR_WINDOW);

} // namespace

frmResources::frmResources(Main& main)
    : CurrentWindowForm({"Resource view", 5715, 3765, tk::BorderStyle::Sizable}),
      Label4({60, 120, 1110, 195}, "Resource from:"), cboResMode({60, 360, 2115, 315}),
      Label2({2280, 75, 1170, 195}, "Resource name:"),
      txtResName({.place = {3720, 75, 1935, 225}, .locked = true, .backColor = kFieldBack}),
      Label1({2280, 315, 1110, 195}, "Resource type:"),
      txtResType({.place = {3720, 315, 1935, 225}, .locked = true, .backColor = kFieldBack}),
      Label3({2280, 555, 345, 195}, "Size:"),
      txtSize({.place = {3720, 555, 1935, 225}, .locked = true, .backColor = kFieldBack}),
      tvRes({60, 810, 2115, 2445}),
      picPreviewBack({.place = {2280, 810, 3375, 2445}, .backColor = kWorkspace}),
      picPreview({.place = {0, 0, 2895, 1515}, .backColor = kWorkspace}),
      txtStrings({.place = {60, 60, 2595, 1755},
                  .locked = true,
                  .backColor = kWorkspace,
                  .multiLine = true}),
      tvGroup({0, 0, 1635, 1215}),
      picTemp({.place = {1080, 900, 615, 735}, .backColor = kWindowColor, .visible = false}),
      cmdClose({.place = {3240, 3360, 1155, 345}, .caption = "&OK"}),
      cmdRefresh({.place = {4500, 3360, 1155, 345}, .caption = "&Update"}),
      imlTree(tk::ScaledPixels(kTreePictureWidth), tk::ScaledPixels(kTreePictureHeight)),
      imlGroup(tk::ScaledPixels(16), tk::ScaledPixels(16)), main_(main) {
    for (const pictures::Image& picture : ResourceTreePictures()) {
        imlTree.AddPicture(picture);
    }
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             &Label4, &cboResMode, &Label2, &txtResName, &Label1, &txtResType, &Label3, &txtSize,
             &tvRes, &picPreviewBack, &picTemp, &cmdClose, &cmdRefresh}) {
        AddControl(*control);
    }
    for (tk::Control* inPane :
         std::initializer_list<tk::Control*>{&picPreview, &txtStrings, &tvGroup}) {
        inPane->SetContainer(picPreviewBack);
        AddControl(*inPane);
    }
    cboResMode.Click = [this] { DoRefresh(); };
    cmdRefresh.Click = [this] { DoRefresh(); };
    cmdClose.Click = [this] { Unload(); };
    tvRes.NodeClick = [this] { tvRes_NodeClick(); };
    picPreviewBack.Resize = [this] { picPreviewBack_Resize(); };
}

void frmResources::Form_Load() {
    main_.PlaceBesideSelection(*this);
    tvRes.SetImageList(imlTree);
    tvGroup.SetImageList(imlGroup);
    cboResMode.AddItem("Application Instance");
    cboResMode.AddItem("Executable File");
    cboResMode.SetListIndex(1); // raises its click: the first refresh
}

bool frmResources::Form_QueryUnload() {
    source_.reset();
    return false;
}

void frmResources::DoRefresh() {
    const std::int32_t handle = main_.GetCurhWnd();
    SetCaption("Resource view - " + mAPI::HexStr8(handle));
    SetPreviewMode(0);
    HWND window = mAPI::IntToHandle<HWND>(handle);
    if (!IsWindow(window)) {
        ClearView();
        return;
    }
    source_.reset(); // the mapped file goes before another is taken
    if (cboResMode.ListIndex() == 0) {
        source_ = ResourceSource::OwnModule(
            reinterpret_cast<HMODULE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)));
    } else {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        source_ = ResourceSource::MappedFile(mAPI::GetExePath(processId));
    }
    if (!source_.get()) {
        ClearView();
        return;
    }
    const mAPI::WindowUpdateLock lock(tvRes.hWnd());
    const tk::TreeView::BulkUpdate bulk(tvRes);
    ClearView();
    mAPI::SetResourceSink(this);
    EnumResourceTypesA(source_.get(), mAPI::EnumResTypeProc, 0);
    mAPI::SetResourceSink(nullptr);
}

void frmResources::ClearView() {
    tvRes.Clear();
    txtResName.SetText("");
    txtResType.SetText("");
    txtSize.SetText("");
    SetPreviewMode(0);
}

bool frmResources::AddType(const std::string& typeText, bool named, std::uint32_t number) {
    const TypeDisplay display =
        named ? TypeDisplay{typeText, kImageOther} : NumericTypeDisplay(number);
    // Two types with one key (a named type of digits beside that number): the first stays.
    if (!tvRes.Add("", TypeKey(typeText), display.text, display.image)) {
        return false;
    }
    currentTypeText_ = typeText;
    currentTypeImage_ = display.image;
    return true;
}

void frmResources::AddName(const std::string& typeText, const std::string& nameText) {
    // Names arrive inside their type's enumeration, so the type just added is their parent
    // and its picture theirs.
    if (typeText == currentTypeText_) {
        tvRes.Add(TypeKey(typeText), NameKey(typeText, nameText), nameText, currentTypeImage_);
    }
}

void frmResources::tvRes_NodeClick() {
    const auto key = tvRes.SelectedKey();
    if (!key) {
        return;
    }
    HTREEITEM node = tvRes.Find(*key);
    char text[512] = {};
    TVITEMA item{};
    item.mask = TVIF_IMAGE | TVIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (key->front() == 'n') {
        item.hItem = TreeView_GetParent(tvRes.hWnd(), node);
        SendMessageA(tvRes.hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const int image = item.iImage + 1;
        if (image < kImageOther) {
            PreviewResource(*key);
        } else {
            SetPreviewMode(0);
        }
        ShowResInfo(*key, text);
        return;
    }
    item.hItem = node;
    SendMessageA(tvRes.hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ShowTypeInfo(text);
    SetPreviewMode(0);
}

void frmResources::ShowTypeInfo(const std::string& typeDisplay) {
    txtResName.SetText("");
    txtResType.SetText(typeDisplay);
    txtSize.SetText("");
}

void frmResources::ShowResInfo(const std::string& key, const std::string& typeDisplay) {
    const auto parts = SplitNameKey(key);
    if (!parts) {
        return;
    }
    txtResName.SetText(parts->nameText);
    txtResType.SetText(typeDisplay);
    const ResourceRef name(parts->nameText);
    const ResourceRef type(parts->typeText);
    HRSRC info = FindResourceA(source_.get(), name.get(), type.get());
    const DWORD size = info ? SizeofResource(source_.get(), info) : 0;
    txtSize.SetText(size != 0 ? mAPI::FormatByteCount(size) : "Unbekannt");
}

void frmResources::SetPreviewMode(int mode) {
    if (mode >= 0 && mode <= 3) {
        picPreview.SetVisible(mode == 1);
        txtStrings.SetVisible(mode == 2);
        tvGroup.SetVisible(mode == 3);
    }
    picPreviewBack_Resize();
}

void frmResources::PreviewResource(const std::string& key) {
    const auto parts = SplitNameKey(key);
    if (!parts) {
        return;
    }
    switch (parts->typeNumber) {
    case 2:
        PreviewBitmap(parts->nameText);
        break;
    case 6:
        PreviewStrings(parts->nameText);
        break;
    case 12:
        PreviewCursor(parts->nameText);
        break;
    case 14:
        PreviewIconGroup(parts->nameText);
        break;
    default:
        break;
    }
}

std::vector<std::uint8_t> frmResources::ResourceBytes(const std::string& name,
                                                      const std::string& type, DWORD* size) const {
    const ResourceRef nameRef(name);
    const ResourceRef typeRef(type);
    HRSRC info = FindResourceA(source_.get(), nameRef.get(), typeRef.get());
    if (size) {
        *size = 0;
    }
    if (!info) {
        return {};
    }
    const DWORD length = SizeofResource(source_.get(), info);
    HGLOBAL loaded = LoadResource(source_.get(), info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    std::vector<std::uint8_t> bytes;
    // A broken entry may claim more data than the module holds: nothing of it is read.
    if (data && length && mAPI::CanRead(data, length)) {
        const auto* first = static_cast<const std::uint8_t*>(data);
        bytes.assign(first, first + length);
    }
    if (loaded) {
        FreeResource(loaded);
    }
    if (size) {
        *size = static_cast<DWORD>(bytes.size());
    }
    return bytes;
}

void frmResources::PreviewBitmap(const std::string& name) {
    const ResourceRef nameRef(name);
    const mAPI::Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(source_.get(), nameRef.get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (bitmap) {
        GetObjectA(bitmap.get(), sizeof info, &info);
    }
    picPreview.SetPixelSize(info.bmWidth, info.bmHeight);
    picPreview.Cls();
    if (bitmap) {
        const mAPI::MemoryDC source(CreateCompatibleDC(picPreview.hdc()));
        const mAPI::SelectGuard select(source.get(), bitmap.get());
        BitBlt(picPreview.hdc(), 0, 0, picPreview.PixelWidth(), picPreview.PixelHeight(),
               source.get(), 0, 0, SRCCOPY);
    }
    SetPreviewMode(1);
    picPreview.Refresh();
}

void frmResources::PreviewCursor(const std::string& name) {
    const ResourceRef nameRef(name);
    const mAPI::Cursor cursor(static_cast<HCURSOR>(
        LoadImageA(source_.get(), nameRef.get(), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    picPreview.SetPixelSize(32, 32);
    picPreview.Cls();
    if (cursor) {
        DrawIconEx(picPreview.hdc(), 0, 0, cursor.get(), 32, 32, 0, nullptr, DI_NORMAL);
    }
    SetPreviewMode(1);
    picPreview.Refresh();
}

void frmResources::PreviewStrings(const std::string& name) {
    const std::vector<std::uint8_t> bytes = ResourceBytes(name, "6");
    if (bytes.empty()) {
        SetPreviewMode(0);
        return;
    }
    txtStrings.SetText(BytesToText(bytes));
    SetPreviewMode(2);
}

void frmResources::PreviewIconGroup(const std::string& name) {
    const std::vector<std::uint8_t> directory = ResourceBytes(name, "14");
    if (directory.empty()) { // unreadable: the view shows nothing
        SetPreviewMode(0);
        return;
    }
    const auto entries = ParseIconGroup(directory);
    if (!entries) { // a directory of another kind changes nothing
        return;
    }
    const CellSize cell = IconCellSize(*entries);
    const mAPI::WindowUpdateLock lock(tvGroup.hWnd());
    picTemp.SetPixelSize(cell.width, cell.height);
    tvGroup.Clear();
    imlGroup.SetImageSize(std::max(cell.width, 1), std::max(cell.height, 1));
    tvGroup.SetImageList(imlGroup); // the list's rows follow the new picture size
    for (const IconGroupEntry& entry : *entries) {
        DWORD size = 0;
        std::vector<std::uint8_t> image = ResourceBytes(std::to_string(entry.imageId), "3", &size);
        const mAPI::Icon icon(image.empty()
                                  ? nullptr
                                  : CreateIconFromResourceEx(image.data(), size, TRUE, 0x30000,
                                                             entry.width, entry.height, 0));
        picTemp.Cls();
        if (icon) {
            DrawIconEx(picTemp.hdc(), CentredOffset(cell.width, entry.width),
                       CentredOffset(cell.height, entry.height), icon.get(), 0, 0, 0, nullptr,
                       DI_NORMAL);
        }
        const int picture = imlGroup.Add(picTemp.hdc());
        const std::string text =
            "#" + std::to_string(entry.imageId) + ": " + std::to_string(entry.width) + " x " +
            std::to_string(entry.height) + " Pixel, " + std::to_string(entry.bitsPerPixel) +
            " bpp, " + mAPI::FormatByteCount(size);
        tvGroup.Add("", "i" + std::to_string(tvGroup.Count()), text, picture);
    }
    SetPreviewMode(3);
}

void frmResources::Form_Resize() {
    if (IsIconic(hWnd())) {
        return;
    }
    const ResourceFormLayout layout =
        ResourceFormRule({ScaleWidth(), ScaleHeight(), tvRes.Left(), cmdClose.Height(),
                          picPreviewBack.Left(), picPreviewBack.Top(), picPreviewBack.Width(),
                          cmdRefresh.Width(), cmdClose.Width(), txtResName.Left(), tk::ToTwips(7)});
    if (layout.paneWidth) {
        picPreviewBack.SetWidth(*layout.paneWidth);
    }
    if (layout.paneHeight) {
        picPreviewBack.SetHeight(*layout.paneHeight);
        tvRes.SetHeight(*layout.paneHeight);
    }
    cmdRefresh.Move(layout.refreshLeft, layout.buttonTop, cmdRefresh.Width(), cmdRefresh.Height());
    cmdClose.Move(layout.closeLeft, layout.buttonTop, cmdClose.Width(), cmdClose.Height());
    if (layout.fieldWidth) {
        for (tk::TextBox* field : {&txtResName, &txtResType, &txtSize}) {
            field->SetWidth(*layout.fieldWidth);
        }
    }
}

void frmResources::picPreviewBack_Resize() {
    RECT pane{};
    GetClientRect(picPreviewBack.hWnd(), &pane);
    const int margin = tk::ToPixels(60);
    const PaneLayout layout = PaneRule(pane.right, pane.bottom, margin, picPreview.PixelWidth(),
                                       picPreview.PixelHeight());
    RECT strings{};
    GetWindowRect(txtStrings.hWnd(), &strings);
    txtStrings.MovePixels(margin, margin,
                          layout.stringsWidth.value_or(strings.right - strings.left),
                          layout.stringsHeight.value_or(strings.bottom - strings.top));
    SetWindowPos(picPreview.hWnd(), nullptr, layout.pictureLeft, layout.pictureTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tvGroup.MovePixels(0, 0, layout.listWidth, layout.listHeight);
}

} // namespace vantry
