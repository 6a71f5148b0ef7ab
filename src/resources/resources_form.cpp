#include "resources/resources_form.h"

#include "core/file_output.h"
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "core/version.h"
#include "model/module_access.h"
#include "model/tree_pictures.h"
#include "resources/resource_layout.h"
#include "resources/resource_save.h"
#include "toolkit/app.h"
#include "toolkit/clipboard.h"
#include "toolkit/file_dialog.h"
#include "toolkit/menu.h"

namespace vantry {

namespace {

constexpr std::uint32_t kFieldBack = tk::SystemColor(COLOR_BTNFACE);
constexpr std::uint32_t kWorkspace = tk::SystemColor(COLOR_APPWORKSPACE);
constexpr std::uint32_t kWindowColor = tk::SystemColor(COLOR_WINDOW);

} // namespace

frmResources::frmResources(WindowTreeHost& host)
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
      imlGroup(tk::ScaledPixels(16), tk::ScaledPixels(16)), host_(host) {
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
    tvRes.ContextMenu = [this](POINT screen) { tvRes_ContextMenu(screen); };
    tvRes.CtrlKey = [this](WORD key) {
        if (key == 'S') {
            SaveSelectedResource();
        } else if (key == 'C') {
            tk::CopyText(hWnd(), FieldsText());
        }
        return key == 'S' || key == 'C';
    };
    picPreviewBack.Resize = [this] { picPreviewBack_Resize(); };
}

void frmResources::Form_Load() {
    host_.PlaceBesideSelection(*this);
    if (imlTree.Count() == 0) { // drawn at the first showing, kept for the next ones
        for (int picture = 1; picture <= static_cast<int>(TreePicture::Other); ++picture) {
            imlTree.AddPicture(DrawTreePicture(static_cast<TreePicture>(picture)));
        }
    }
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
    const std::int32_t handle = host_.GetCurhWnd();
    SetCaption("Resource view - " + mAPI::HexStr8(handle));
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
    const tk::TreeView::BulkUpdate bulk(tvRes, tk::TreeView::BulkScope::Refill);
    ClearView();
    mAPI::SetResourceSink(this);
    EnumResourceTypesA(source_.get(), mAPI::EnumResTypeProc, 0);
    mAPI::SetResourceSink(nullptr);
}

void frmResources::ClearView() {
    tvRes.Clear();
    currentTypeNode_ = nullptr;
    currentTypeText_.clear();
    txtResName.SetText("");
    txtResType.SetText("");
    txtSize.SetText("");
    ShowPane(PreviewPane::None);
}

bool frmResources::AddType(const std::string& typeText, bool named, std::uint32_t number) {
    const TypeDisplay display =
        named ? TypeDisplay{typeText, TreePicture::Other} : NumericTypeDisplay(number);
    // Two types with one key (a named type of digits beside that number): the first stays.
    currentTypeNode_ =
        tvRes.Add("", TypeKey(typeText), display.text, static_cast<int>(display.picture));
    if (!currentTypeNode_) {
        return false;
    }
    currentTypeText_ = typeText;
    currentTypeImage_ = static_cast<int>(display.picture);
    return true;
}

void frmResources::AddName(const std::string& typeText, const std::string& nameText) {
    // Names arrive inside their type's enumeration, so the type just added is their parent
    // and its picture theirs.
    if (currentTypeNode_ && typeText == currentTypeText_) {
        tvRes.AddChild(currentTypeNode_, NameKey(typeText, nameText), nameText, currentTypeImage_);
    }
}

void frmResources::tvRes_NodeClick() {
    const auto key = tvRes.SelectedKey();
    if (!key) {
        return;
    }
    HTREEITEM node = tvRes.Find(*key);
    const auto name = SplitNameKey(*key);
    // A name shows its type's text; a type shows its own.
    const std::string typeText =
        tvRes.NodeText(name ? TreeView_GetParent(tvRes.hWnd(), node) : node);
    if (!name) {
        ShowTypeInfo(typeText);
        ShowPane(PreviewPane::None);
        return;
    }
    Preview(*name);
    ShowResInfo(*name, typeText);
}

void frmResources::ShowTypeInfo(const std::string& typeDisplay) {
    txtResName.SetText("");
    txtResType.SetText(typeDisplay);
    txtSize.SetText("");
}

void frmResources::ShowResInfo(const NameKeyParts& parts, const std::string& typeDisplay) {
    txtResName.SetText(parts.nameText);
    txtResType.SetText(typeDisplay);
    const ResourceRef name(parts.nameText);
    const ResourceRef type(parts.typeText);
    HRSRC info = FindResourceA(source_.get(), name.get(), type.get());
    const DWORD size = info ? SizeofResource(source_.get(), info) : 0;
    txtSize.SetText(size != 0 ? mAPI::FormatByteCount(size) : "Unbekannt");
}

void frmResources::ShowPane(PreviewPane pane) {
    picPreview.SetVisible(pane == PreviewPane::Picture);
    txtStrings.SetVisible(pane == PreviewPane::Strings);
    tvGroup.SetVisible(pane == PreviewPane::IconList);
    // With no pane shown there is nothing to lay out; showing one lays it out.
    if (pane != PreviewPane::None) {
        picPreviewBack_Resize();
    }
}

void frmResources::Preview(const NameKeyParts& name) {
    // Only types given by number have previews: a named type never does.
    const auto type = ResourceNumber(name.typeText);
    const PreviewKind kind = type ? PreviewFor(*type) : nullptr;
    if (!kind) {
        ShowPane(PreviewPane::None);
        return;
    }
    const PreviewTarget target{source_.get(), picPreview, txtStrings, tvGroup, imlGroup, picTemp};
    if (const auto pane = kind(target, name.nameText)) {
        ShowPane(*pane);
    }
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

std::string frmResources::FieldsText() const {
    std::string text;
    for (const auto& [label, field] :
         {std::pair{&Label2, &txtResName}, std::pair{&Label1, &txtResType},
          std::pair{&Label3, &txtSize}}) {
        text += label->Caption() + " " + field->Text() + "\r\n";
    }
    if (txtStrings.Visible()) {
        text += "\r\n" + txtStrings.Text();
    }
    return text;
}

void frmResources::tvRes_ContextMenu(POINT screen) {
    if (tk::ChooseFromMenu(hWnd(), screen, {"&Save...\tCtrl+S"}) == 1) {
        SaveSelectedResource();
    }
}

void frmResources::SaveSelectedResource() {
    const auto key = tvRes.SelectedKey();
    const auto name = key ? SplitNameKey(*key) : std::nullopt;
    if (!name) {
        return; // a type node: nothing to save
    }
    const ResourceFile file = ResourceAsFile(source_.get(), name->typeText, name->nameText);
    if (!file.data) {
        tk::ShowMessageBox(hWnd(),
                           "The resource " + name->nameText +
                               " cannot be saved: its data is not whole in the module.",
                           VANTRY_TITLE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const auto choice = tk::AskSaveFile(
        hWnd(), {.fileName = FileNameFor(name->nameText, file.extension),
                 .filters = {{"*." + file.extension, "*." + file.extension}, {"*.*", "*.*"}},
                 .defaultExtension = file.extension});
    if (!choice) {
        return;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(file.data->data()),
                                 file.data->size());
    if (const auto problem = WriteWholeFile(choice->path, bytes)) {
        tk::ShowMessageBox(hWnd(), *problem, VANTRY_TITLE, MB_OK | MB_ICONEXCLAMATION);
    }
}

} // namespace vantry
