// "Resource view": the resources of the module behind the current window, by type and name,
// with previews of bitmaps, cursors, icon groups and string blocks.
#pragma once

#include "core/handles.h"
#include "core/resource_enum.h"
#include "model/module_access.h"
#include "model/resource_logic.h"
#include "model/window_tree_host.h"
#include "resources/previews.h"
#include "toolkit/button.h"
#include "toolkit/imagelist.h"
#include "toolkit/list_controls.h"
#include "toolkit/picturebox.h"
#include "toolkit/static_controls.h"
#include "toolkit/text_controls.h"
#include "toolkit/treeview.h"

#include <string>
#include <vector>

namespace vantry {

class frmResources : public CurrentWindowForm, private mAPI::ResourceSink {
  public:
    explicit frmResources(WindowTreeHost& host);

    void DoRefresh() override;

    // The module the tree shows, and whether this form mapped it (and must release it).
    HMODULE ResourceModule() const { return source_.get(); }
    bool LibraryLoaded() const { return source_.Mapped(); }

    tk::Label Label4;
    tk::ComboBox cboResMode;
    tk::Label Label2;
    tk::TextBox txtResName;
    tk::Label Label1;
    tk::TextBox txtResType;
    tk::Label Label3;
    tk::TextBox txtSize;
    tk::KeyedTreeView tvRes;
    tk::PictureBox picPreviewBack;
    tk::PictureBox picPreview;
    tk::TextBox txtStrings;
    tk::KeyedTreeView tvGroup;
    tk::PictureBox picTemp;
    tk::CommandButton cmdClose;
    tk::CommandButton cmdRefresh;
    tk::ImageList imlTree;
    tk::ImageList imlGroup;

  private:
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

    void tvRes_NodeClick();
    void tvRes_ContextMenu(POINT screen);
    void SaveSelectedResource();
    // The three fields as "Label value" lines, then a string block's text where one shows.
    std::string FieldsText() const;
    void picPreviewBack_Resize();

    void ClearView();
    bool AddType(const std::string& typeText, bool named, std::uint32_t number) override;
    void AddName(const std::string& typeText, const std::string& nameText) override;

    void ShowTypeInfo(const std::string& typeDisplay);
    void ShowResInfo(const NameKeyParts& parts, const std::string& typeDisplay);
    void ShowPane(PreviewPane pane);
    void Preview(const NameKeyParts& name);

    WindowTreeHost& host_;
    ResourceSource source_;
    // The type whose names are being listed: its names all go under it.
    std::string currentTypeText_;
    HTREEITEM currentTypeNode_ = nullptr;
    int currentTypeImage_ = 0;
};

} // namespace vantry
