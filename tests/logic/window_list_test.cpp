#include "core/text_store.h"
#include "model/window_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>

using vantry::WindowFacts;
using vantry::WindowList;

namespace {

// A made-up desktop: windows with children in front-to-back order, a shown flag, a caption and
// a class. Window 1 is the desktop.
class Desktop : public vantry::WindowQueries {
  public:
    struct Window {
        std::int32_t parent = 0;
        std::vector<std::int32_t> children;
        bool shown = true;
        std::string caption;
        std::string className = "Plain";
    };
    static constexpr std::int32_t kRoot = 1;

    Desktop() { windows_[kRoot].className = "#32769"; }

    std::int32_t Make(std::int32_t parent, std::string caption, bool shown = true) {
        const std::int32_t window = next_++;
        windows_[window] = {parent, {}, shown, std::move(caption), "Plain"};
        auto& siblings = windows_[parent].children;
        siblings.insert(siblings.begin(), window); // a new window comes to the front
        return window;
    }
    void End(std::int32_t window) {
        for (const std::int32_t child : std::vector<std::int32_t>(windows_[window].children)) {
            End(child);
        }
        Unlink(window);
        windows_.erase(window);
    }
    void Move(std::int32_t window, std::int32_t parent) {
        Unlink(window);
        windows_[window].parent = parent;
        windows_[parent].children.insert(windows_[parent].children.begin(), window);
    }
    Window& At(std::int32_t window) { return windows_.at(window); }
    bool Holds(std::int32_t window) const { return windows_.count(window) != 0; }
    std::vector<std::int32_t> All() const {
        std::vector<std::int32_t> all;
        for (const auto& [window, facts] : windows_) {
            all.push_back(window);
        }
        return all;
    }

    void ForEachChild(std::int32_t window,
                      const std::function<void(std::int32_t)>& visit) override {
        if (Holds(window)) {
            for (const std::int32_t child : std::vector<std::int32_t>(windows_[window].children)) {
                visit(child);
            }
        }
    }
    bool Shows(std::int32_t window) override {
        // Shown only where every window above it is shown, as on a screen.
        for (; Holds(window) && window != kRoot; window = windows_[window].parent) {
            if (!windows_[window].shown) {
                return false;
            }
        }
        return Holds(window);
    }
    bool ShowsUnderShownParent(std::int32_t window) override {
        // The window's own flag alone, as the system answers from its own style and place.
        return Holds(window) && windows_[window].shown;
    }
    std::int32_t Parent(std::int32_t window) override {
        return Holds(window) ? windows_[window].parent : 0;
    }
    WindowFacts Facts(std::int32_t window) override {
        if (!Holds(window)) {
            return {};
        }
        return {windows_[window].caption, windows_[window].className};
    }
    int Picture(std::int32_t window) override { return window % 7; }

  private:
    void Unlink(std::int32_t window) {
        auto& siblings = windows_[windows_[window].parent].children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), window));
    }

    std::map<std::int32_t, Window> windows_;
    std::int32_t next_ = 2;
};

// What a view shows of a list: each live window with its parent, caption, class and picture.
using Shape = std::set<std::tuple<std::int32_t, std::int32_t, std::string, std::string, int>>;
Shape ShapeOf(const WindowList& list) {
    Shape shape;
    for (WindowList::Index i = 0; i < list.Size(); ++i) {
        if (list.Live(i)) {
            const auto parent = list.Parent(i);
            shape.emplace(list.Handle(i), parent ? list.Handle(*parent) : 0,
                          std::string(list.Caption(i)), std::string(list.ClassName(i)),
                          list.Picture(i));
        }
    }
    return shape;
}

std::vector<std::int32_t> Handles(const WindowList& list) {
    std::vector<std::int32_t> handles;
    for (WindowList::Index i = 0; i < list.Size(); ++i) {
        handles.push_back(list.Handle(i));
    }
    return handles;
}

} // namespace

TEST(WindowList, ALoadListsParentsBeforeChildrenFrontToBackAndLeavesOutWhatDoesNotShow) {
    Desktop desktop;
    const auto back = desktop.Make(Desktop::kRoot, "back");
    const auto front = desktop.Make(Desktop::kRoot, "front");
    const auto child = desktop.Make(back, "child");
    const auto hidden = desktop.Make(front, "hidden", false);
    desktop.Make(hidden, "under hidden");

    WindowList list;
    list.Load(desktop, Desktop::kRoot, true);
    EXPECT_EQ(Handles(list), (std::vector<std::int32_t>{Desktop::kRoot, front, back, child}));
    EXPECT_EQ(list.LiveCount(), 4u);
    EXPECT_EQ(list.Parent(0), std::nullopt);
    EXPECT_EQ(list.Parent(*list.Find(child)), list.Find(back));
    EXPECT_EQ(list.Find(hidden), std::nullopt);
    EXPECT_EQ(list.DisplayText(*list.Find(child)),
              "0000000" + std::to_string(child) + " \"child\" Plain");
    EXPECT_EQ(list.ClassName(0), "#32769");

    list.Load(desktop, Desktop::kRoot, false); // every window
    EXPECT_EQ(list.LiveCount(), 6u);
    EXPECT_NE(list.Find(hidden), std::nullopt);
}

TEST(WindowList, EndedSubtreesStopAnsweringAndRenamesKeepTheirPlace) {
    Desktop desktop;
    const auto top = desktop.Make(Desktop::kRoot, "top");
    const auto middle = desktop.Make(top, "middle");
    const auto leaf = desktop.Make(middle, "leaf");
    const auto other = desktop.Make(Desktop::kRoot, "other");
    WindowList list;
    list.Load(desktop, Desktop::kRoot, true);

    const auto ended = list.RemoveSubtree(*list.Find(middle));
    EXPECT_EQ(ended.size(), 2u);
    EXPECT_EQ(list.Find(middle), std::nullopt);
    EXPECT_EQ(list.Find(leaf), std::nullopt);
    EXPECT_NE(list.Find(top), std::nullopt);
    EXPECT_EQ(list.LiveCount(), 3u);
    EXPECT_TRUE(list.RemoveSubtree(*list.Find(top) + 1).empty()); // ended already

    const auto at = *list.Find(other);
    list.SetFacts(at, {std::string(300, 'x'), "Renamed"});
    EXPECT_EQ(list.Caption(at), std::string(300, 'x'));
    EXPECT_EQ(list.ClassName(at), "Renamed");
    EXPECT_EQ(list.Find(other), at);
}

TEST(WindowList, AfterAnyLiveChangesInAnyOrderTheListEqualsAFreshLoad) {
    // A desktop changes at random (windows made, ended, moved, renamed, hidden and shown);
    // the list hears of some windows, in a shuffled order, and sweeps the rest as the live
    // tree does. Afterwards it shows what a fresh load of the same desktop shows.
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        Desktop desktop;
        for (int i = 0; i < 30; ++i) {
            const auto windows = desktop.All();
            desktop.Make(windows[random() % windows.size()], "w" + std::to_string(i),
                         random() % 5 != 0);
        }
        const bool onlyShown = round % 2 == 0;
        WindowList list;
        list.Load(desktop, Desktop::kRoot, onlyShown);

        std::vector<std::int32_t> touched;
        for (int step = 0; step < 25; ++step) {
            auto windows = desktop.All();
            windows.erase(std::find(windows.begin(), windows.end(), Desktop::kRoot));
            if (windows.empty()) {
                touched.push_back(desktop.Make(Desktop::kRoot, "again"));
                continue;
            }
            const std::int32_t some = windows[random() % windows.size()];
            switch (random() % 5) {
            case 0:
                touched.push_back(desktop.Make(random() % 2 ? Desktop::kRoot : some, "new"));
                break;
            case 1:
                desktop.End(some);
                touched.push_back(some);
                break;
            case 2: {
                // A new parent that is not inside the window itself.
                std::int32_t parent = windows[random() % windows.size()];
                for (std::int32_t up = parent; up != 0; up = desktop.Parent(up)) {
                    if (up == some) {
                        parent = Desktop::kRoot;
                    }
                }
                desktop.Move(some, parent);
                touched.push_back(some);
                break;
            }
            case 3:
                desktop.At(some).caption = "renamed " + std::to_string(step);
                touched.push_back(some);
                break;
            default:
                desktop.At(some).shown = !desktop.At(some).shown;
                touched.push_back(some);
                break;
            }
        }
        std::shuffle(touched.begin(), touched.end(), random);
        touched.resize(touched.size() / 2); // the other reports were lost
        for (const std::int32_t window : touched) {
            list.Refresh(desktop, window, onlyShown);
        }
        // The sweep goes round: every listed window again, and the children the list lacks,
        // until a round finds nothing (a window ended with a stale parent is found again in
        // the next round).
        bool changed = true;
        for (int sweep = 0; sweep < 5 && changed; ++sweep) {
            changed = false;
            for (WindowList::Index i = 0; i < list.Size(); ++i) {
                if (list.Live(i)) {
                    changed = list.Refresh(desktop, list.Handle(i), onlyShown).Any() || changed;
                }
                if (list.Live(i)) {
                    changed = list.AddMissingChildren(desktop, i, onlyShown).Any() || changed;
                }
            }
        }
        ASSERT_FALSE(changed) << "round " << round;
        WindowList fresh;
        fresh.Load(desktop, Desktop::kRoot, onlyShown);
        ASSERT_EQ(ShapeOf(list), ShapeOf(fresh)) << "round " << round;
        ASSERT_EQ(list.LiveCount(), fresh.LiveCount());
    }
}

TEST(WindowList, RefreshReportsWhatAViewMustFollow) {
    Desktop desktop;
    const auto top = desktop.Make(Desktop::kRoot, "top");
    WindowList list;
    list.Load(desktop, Desktop::kRoot, true);

    const auto child = desktop.Make(top, "child");
    desktop.Make(child, "grandchild");
    auto changes = list.Refresh(desktop, child, true);
    ASSERT_EQ(changes.added.size(), 1u);
    EXPECT_EQ(list.Handle(changes.added[0]), child);
    EXPECT_EQ(list.Size() - changes.added[0], 2u); // the subtree, at the end of the list

    desktop.At(child).caption = "renamed";
    changes = list.Refresh(desktop, child, true);
    EXPECT_EQ(changes.renamed, std::vector<WindowList::Index>{*list.Find(child)});
    EXPECT_FALSE(list.Refresh(desktop, child, true).Any()); // nothing new

    desktop.At(top).shown = false;
    const WindowList::Index topEntry = *list.Find(top);
    changes = list.Refresh(desktop, top, true);
    EXPECT_EQ(changes.ended, std::vector<WindowList::Index>{topEntry});
    EXPECT_EQ(list.LiveCount(), 1u); // the desktop stays
    EXPECT_FALSE(list.Refresh(desktop, Desktop::kRoot, true).Any());
}

TEST(TextStore, KeepsEveryTextAcrossChunksWhateverItsLength) {
    mAPI::TextStore store;
    std::vector<std::pair<mAPI::TextStore::Place, std::string>> added;
    for (int i = 0; i < 3000; ++i) {
        // Mostly short texts, now and then one longer than a chunk, and empty ones.
        const std::string text = i % 500 == 7 ? std::string(5000 + i, 'L')
                                 : i % 3 == 0 ? std::string()
                                              : "text " + std::to_string(i);
        added.emplace_back(store.Add(text), text);
    }
    for (const auto& [place, text] : added) {
        ASSERT_EQ(store.At(place), text);
    }
    EXPECT_EQ(store.At(store.Add(std::string_view("cut\0here", 8))), "cut");
    store.Clear();
    EXPECT_EQ(store.Bytes(), 0u);
    EXPECT_EQ(store.At(store.Add("again")), "again");
}
