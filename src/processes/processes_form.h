// "Processes and threads": every process, its threads, and the windows each thread owns, with
// the details of the selected node.
#pragma once

#include "model/process_tree.h"
#include "model/system_windows.h"
#include "model/window_list.h"
#include "model/window_pictures.h"
#include "model/window_tree_host.h"
#include "toolkit/button.h"
#include "toolkit/imagelist.h"
#include "toolkit/list_view.h"
#include "toolkit/picturebox.h"
#include "toolkit/text_controls.h"
#include "toolkit/treeview.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vantry {

class frmProcesses : public ProcessesView {
  public:
    explicit frmProcesses(WindowTreeHost& host);

    void ShowWindowOf(std::int32_t handle, const tk::Form& owner) override;

    // A node of the view; nullptr where it does not show one.
    HTREEITEM NodeOfProcess(std::uint32_t processId) const;
    HTREEITEM NodeOfThread(std::uint32_t threadId) const;
    HTREEITEM NodeOfWindow(std::int32_t handle) const;

    tk::TextBox txtFilter;
    tk::CheckBox chkWithWindows;
    tk::TreeView tvProcesses;
    tk::ListView lvDetails;
    tk::CommandButton cmdSelectInTree;
    tk::CommandButton cmdLogMessages;
    tk::PictureBox picIcon;
    tk::PictureBox picLine;
    tk::ImageList imlNodes;

  private:
    enum class Kind : std::uint8_t { Process, Thread, Window };
    // What a node shows: a process, one of its threads, or a window below a thread.
    struct Row {
        Kind kind;
        std::uint32_t process; // in processes_
        std::uint32_t thread;  // in that process's threads
        WindowList::Index entry;
    };

    void Form_Load() override;
    void Form_Resize() override;

    // Reads the processes and the windows again, keeping the user's place.
    void LoadProcesses();
    // Fills the tree from what was read, as the filter and the check box narrow it.
    void Fill();
    void ShowDetails();
    void SelectInTree();
    void LogMessages();
    bool CopyFromTree(WORD key);
    bool CopyFromDetails(WORD key);
    std::optional<wchar_t> txtFilter_KeyPress(wchar_t key);

    SystemWindows Queries();
    // Each thread's top-level windows that the list holds (listed) and, where kept is given,
    // that the filter keeps (tops, shown).
    struct ThreadWindows {
        std::vector<std::vector<WindowList::Index>> tops;
        std::size_t listed = 0;
        std::size_t shown = 0;
    };
    ThreadWindows WindowsOfThreads(const ProcessRecord& process,
                                   const std::vector<bool>* kept) const;
    // The window row.entry and what kept keeps below it (everything without kept), under the
    // thread's node; end is the entry after the window's subtree.
    void AddWindowNodes(HTREEITEM threadNode, Row row, WindowList::Index end,
                        const std::vector<bool>* kept, std::vector<HTREEITEM>& windowNodes,
                        bool open);
    HTREEITEM AddRow(HTREEITEM parent, const Row& row, bool bold, bool expanded);
    std::string RowText(const Row& row) const;
    std::optional<Row> RowOf(HTREEITEM node) const;
    // The handle of the window whose row is selected; nullopt for a process or thread row.
    std::optional<std::int32_t> SelectedWindow() const;
    // A node's id, the same across loads: its kind and its process, thread or window.
    static std::int64_t IdOf(const Row& row, const std::vector<ProcessRecord>& processes,
                             const WindowList& windows);
    HTREEITEM NodeOfId(std::int64_t id) const;

    WindowTreeHost& host_;
    std::vector<ProcessRecord> processes_;
    WindowList windows_;
    std::vector<Row> rows_;        // each node carries its row's number
    std::vector<HTREEITEM> nodes_; // by row
    std::unordered_map<std::int64_t, std::uint32_t> rowsById_;
    WindowIconPictures icons_{picIcon, imlNodes};
    int linePicture_ = 0;
    int processPicture_ = 0;
};

} // namespace vantry
