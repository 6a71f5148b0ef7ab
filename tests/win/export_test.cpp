// The tree and the resources as files: the command line's /dump, "Save Tree As" and the
// resource view's Save, read back the way another program would read them.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"
#include "model/module_access.h"
#include "model/resource_files.h"
#include "resources_fixture.h"
#include "toolkit/file_dialog.h"

#include "unix_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <array>
#include <set>

namespace {

// A file name in the temporary folder, removed again at the end of the test.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& name) {
        char folder[MAX_PATH] = {};
        GetTempPathA(sizeof folder, folder);
        path_ = std::string(folder) + name;
        DeleteFileA(path_.c_str());
    }
    ~TemporaryFile() { DeleteFileA(path_.c_str()); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

void CollectHandles(const nlohmann::json& window, std::set<std::string>& handles) {
    handles.insert(window["handle"].get<std::string>());
    for (const auto& child : window["children"]) {
        CollectHandles(child, handles);
    }
}

BOOL CALLBACK AddWindow(HWND window, LPARAM handles) {
    reinterpret_cast<std::set<std::string>*>(handles)->insert(
        mAPI::HexStr8(mAPI::HandleToInt(window)));
    return TRUE;
}

// Every window on the desktop, found by the enumeration functions rather than by a walk.
std::set<std::string> EnumeratedWindows() {
    std::set<std::string> handles{mAPI::HexStr8(mAPI::HandleToInt(GetDesktopWindow()))};
    std::set<std::string> topLevel;
    EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&topLevel));
    for (const std::string& handle : topLevel) {
        handles.insert(handle);
        EnumChildWindows(mAPI::IntToHandle<HWND>(*mAPI::TryHexToLong(handle)), AddWindow,
                         reinterpret_cast<LPARAM>(&handles));
    }
    return handles;
}

const nlohmann::json* FindWindowRecord(const nlohmann::json& window, const std::string& handle) {
    if (window["handle"] == handle) {
        return &window;
    }
    for (const auto& child : window["children"]) {
        if (const auto* found = FindWindowRecord(child, handle)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

TEST(Dump, WritesEveryWindowThatTheEnumerationFinds) {
    testwin::Windows windows;
    HWND top = windows.TopLevel("dump \u00e9t\u00e9 \"quoted\"", {30, 40, 330, 240});
    HWND child = windows.Child(top, "inner");
    TemporaryFile out("vantry dump.json");
    const testwin::ProgramRun run =
        testwin::RunProgram(testwin::VantryPath(), "/dump /all /json /out \"" + out.Path() + "\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    const auto tree = nlohmann::json::parse(testwin::ReadWholeFile(out.Path()));
    std::set<std::string> dumped;
    CollectHandles(tree, dumped);
    EXPECT_EQ(dumped, EnumeratedWindows());

    const auto* record = FindWindowRecord(tree, mAPI::HexStr8(mAPI::HandleToInt(top)));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ((*record)["caption"], "dump \u00e9t\u00e9 \"quoted\"");
    EXPECT_EQ((*record)["class"], testwin::kPlainClass);
    RECT place{};
    GetWindowRect(top, &place);
    EXPECT_EQ((*record)["rect"]["right"], place.right);
    EXPECT_EQ((*record)["processId"], GetCurrentProcessId());
    EXPECT_EQ((*record)["children"][0]["handle"], mAPI::HexStr8(mAPI::HandleToInt(child)));
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_EQ((*record)["executable"], path);
}

TEST(Dump, WritesTheTreesTextToItsOutputAndAnswersWithExitCodes) {
    testwin::Windows windows;
    HWND top = windows.TopLevel("dump as text", {30, 40, 330, 240});
    const testwin::ProgramRun text = testwin::RunProgram(testwin::VantryPath(), "/dump");
    EXPECT_EQ(text.exitCode, 0u);
    EXPECT_EQ(text.output.rfind(mAPI::HexStr8(mAPI::HandleToInt(GetDesktopWindow())), 0), 0u);
    EXPECT_NE(text.output.find("\r\n  " + mAPI::HexStr8(mAPI::HandleToInt(top)) +
                               " \"dump as text\" " + testwin::kPlainClass + "\r\n"),
              std::string::npos);

    const testwin::ProgramRun usage = testwin::RunProgram(testwin::VantryPath(), "/?");
    EXPECT_EQ(usage.exitCode, 0u);
    EXPECT_NE(usage.output.find("/dump [/json] [/all] [/out FILE]"), std::string::npos);
    const testwin::ProgramRun unknown = testwin::RunProgram(testwin::VantryPath(), "/dump /fast");
    EXPECT_EQ(unknown.exitCode, 2u);
    EXPECT_NE(unknown.output.find("unknown switch: /fast"), std::string::npos);
    const testwin::ProgramRun unwritable =
        testwin::RunProgram(testwin::VantryPath(), "/dump /out \"Z:\\no such folder\\tree.txt\"");
    EXPECT_EQ(unwritable.exitCode, 1u);
    EXPECT_NE(unwritable.output.find("Cannot write Z:\\no such folder\\tree.txt"),
              std::string::npos);
}

namespace {

// Answers the save dialogs with one path and one choice of format.
class SaveAnswer {
  public:
    SaveAnswer(std::string path, int filter) {
        tk::SetSaveFileHandler([this, path, filter](HWND, const tk::SaveFileRequest& request) {
            requests.push_back(request);
            return std::optional<tk::SaveFileChoice>({path, filter});
        });
    }
    ~SaveAnswer() { tk::SetSaveFileHandler({}); }
    std::vector<tk::SaveFileRequest> requests;
};

} // namespace

TEST_F(MainTest, SaveTreeAsWritesTheTreeAsShownOrAsJson) {
    HWND top = windows_.TopLevel("saved tree", {30, 40, 330, 240});
    LoadMain();
    Choose(main_->mnuUpdate);
    const std::string line = Read(top).text;

    TemporaryFile text("vantry tree.txt");
    {
        SaveAnswer answer(text.Path(), 0);
        Choose(main_->mnuSaveTree);
        ASSERT_EQ(answer.requests.size(), 1u);
        EXPECT_EQ(answer.requests[0].filters.size(), 2u);
    }
    const std::string saved = testwin::ReadWholeFile(text.Path());
    EXPECT_EQ(saved.rfind(testwin::ReadNode(Tree(), testwin::Roots(Tree())[0]).text + "\r\n", 0),
              0u);
    EXPECT_NE(saved.find("\r\n  " + line + "\r\n"), std::string::npos);

    TemporaryFile json("vantry tree.json");
    {
        SaveAnswer answer(json.Path(), 1);
        Choose(main_->mnuSaveTree);
    }
    const auto tree = nlohmann::json::parse(testwin::ReadWholeFile(json.Path()));
    const auto* record = FindWindowRecord(tree, mAPI::HexStr8(mAPI::HandleToInt(top)));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ((*record)["caption"], "saved tree");
}

namespace {

class SaveResourceTest : public ResourcesTest {
  protected:
    // Selects the node and presses Ctrl+S in the resource tree; the file as written.
    std::string Save(const std::string& key, const std::string& path) {
        Click(key);
        SaveAnswer answer(path, 0);
        {
            const testwin::HeldKeys ctrl({VK_CONTROL});
            SendMessageA(form_->tvRes.hWnd(), WM_KEYDOWN, 'S', 0);
        }
        return testwin::ReadWholeFile(path);
    }
    static SIZE SizeOf(HANDLE image, UINT type) {
        if (type == IMAGE_BITMAP) {
            BITMAP info{};
            GetObjectA(image, sizeof info, &info);
            return {info.bmWidth, info.bmHeight};
        }
        ICONINFO info{};
        GetIconInfo(static_cast<HICON>(image), &info);
        BITMAP mask{};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        return {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
    }
    // The saved file and the module's own resource load with the same size.
    static void ExpectSameImage(const std::string& path, HMODULE module, LPCSTR name, UINT type) {
        HANDLE saved = LoadImageA(nullptr, path.c_str(), type, 0, 0, LR_LOADFROMFILE);
        HANDLE own = LoadImageA(module, name, type, 0, 0, 0);
        ASSERT_NE(saved, nullptr) << path;
        ASSERT_NE(own, nullptr) << path;
        const SIZE savedSize = SizeOf(saved, type);
        const SIZE ownSize = SizeOf(own, type);
        EXPECT_EQ(savedSize.cx, ownSize.cx) << path;
        EXPECT_EQ(savedSize.cy, ownSize.cy) << path;
        DeleteObject(saved);
        DeleteObject(own);
    }
};

} // namespace

TEST_F(SaveResourceTest, EveryKindIsSavedAsAFileOfItsKind) {
    HMODULE dll = LoadLibraryA(Fixture("resource_fixture.dll").c_str());
    ASSERT_NE(dll, nullptr);
    HWND own = ShowOwnModule(dll);

    TemporaryFile bitmap("vantry 101.bmp");
    ASSERT_EQ(Save("n2|101", bitmap.Path()).substr(0, 2), "BM");
    ExpectSameImage(bitmap.Path(), dll, MAKEINTRESOURCEA(101), IMAGE_BITMAP);

    TemporaryFile icon("vantry 1.ico");
    const std::string ico = Save("n14|1", icon.Path());
    const auto directory = vantry::ReadIconFile(
        std::span(reinterpret_cast<const std::uint8_t*>(ico.data()), ico.size()));
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory->entries.size(), 3u); // every image of the group
    ExpectSameImage(icon.Path(), dll, MAKEINTRESOURCEA(1), IMAGE_ICON);

    TemporaryFile cursor("vantry 1.cur");
    Save("n12|1", cursor.Path());
    ExpectSameImage(cursor.Path(), dll, MAKEINTRESOURCEA(1), IMAGE_CURSOR);

    TemporaryFile single("vantry 40000.ico");
    Save("n3|40000", single.Path());
    EXPECT_NE(LoadImageA(nullptr, single.Path().c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE),
              nullptr);

    TemporaryFile strings("vantry 2.txt");
    EXPECT_EQ(Save("n6|2", strings.Path()), "16\tHello\r\n17\tWorld\r\n");

    TemporaryFile raw("vantry DATA.bin");
    const std::vector<std::uint8_t> data = vantry::ReadResource(dll, "DATA", "MYTYPE");
    EXPECT_EQ(Save("nMYTYPE|DATA", raw.Path()), std::string(data.begin(), data.end()));

    // A broken entry: refused with a message, nothing written, nothing read past the module.
    auto* entry = reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(
        FindResourceA(dll, MAKEINTRESOURCEA(1), RT_GROUP_ICON));
    DWORD protection = 0;
    VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
    entry->Size = 0x7FFFFFF0;
    std::vector<std::string> messages;
    tk::SetMessageBoxHandler([&messages](HWND, const std::string& text, const std::string&, UINT) {
        messages.push_back(text);
        return IDOK;
    });
    TemporaryFile broken("vantry broken.ico");
    EXPECT_EQ(Save("n14|1", broken.Path()), "");
    tk::SetMessageBoxHandler({});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The resource 1 cannot be saved: its data is not whole in the module.");
    DestroyWindow(own);
    FreeLibrary(dll);
}

TEST_F(SaveResourceTest, ASavedIconGroupHasTheDirectoryAnotherToolExtracts) {
    // Another tool extracts the same group from the module: both files' directories must hold
    // the same images with the same values, colour counts (16 for 4-bit images) included.
    const std::string path = Fixture("resource_fixture.dll");
    const auto unixPath = testwin::UnixPath(path);
    if (!unixPath) {
        GTEST_SKIP() << "the other tool runs on Wine's Unix side";
    }
    HMODULE dll = LoadLibraryA(path.c_str());
    ASSERT_NE(dll, nullptr);
    HWND own = ShowOwnModule(dll);
    TemporaryFile saved("vantry group.ico");
    const std::string ours = Save("n14|1", saved.Path());
    const auto theirs =
        testwin::UnixCommandOutput("wrestool -x --type=group_icon --name=1 '" + *unixPath + "'");
    ASSERT_TRUE(theirs);
    const auto directory = [](const std::string& file) {
        std::vector<std::array<int, 5>> entries;
        if (const auto read = vantry::ReadIconFile(
                std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()))) {
            for (const auto& entry : read->entries) {
                entries.push_back({entry.width, entry.height, entry.colours, entry.planesOrHotX,
                                   entry.bitsOrHotY});
            }
        }
        return entries;
    };
    const auto expected = directory(*theirs);
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(expected[0][2], 16);
    EXPECT_EQ(directory(ours), expected);
    DestroyWindow(own);
    FreeLibrary(dll);
}
