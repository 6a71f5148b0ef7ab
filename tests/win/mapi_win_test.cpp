#include "core/handles.h"
#include "core/mapi_win.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Two pages: the first readable, the second with the protection under test.
class TwoPages {
  public:
    explicit TwoPages(DWORD secondProtection) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, 2 * page_, MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + page_, page_, secondProtection, &old);
    }
    ~TwoPages() { VirtualFree(base_, 0, MEM_RELEASE); }
    // Writes text so that its last byte is the last byte of the first page.
    std::uintptr_t EndOfFirstPage(const char* text, std::size_t length) {
        char* start = base_ + page_ - length;
        std::memcpy(start, text, length);
        return reinterpret_cast<std::uintptr_t>(start);
    }

  private:
    std::size_t page_ = 0;
    char* base_ = nullptr;
};

} // namespace

TEST(PtrToStr, ReadsWholeStringsOfAnyLength) {
    EXPECT_EQ(mAPI::PtrToStr(0), "");
    const std::string text(300, 'q');
    EXPECT_EQ(mAPI::PtrToStr(reinterpret_cast<std::uintptr_t>(text.c_str())), text);

    TwoPages pages(PAGE_NOACCESS);
    // The terminator is the very last readable byte.
    EXPECT_EQ(mAPI::PtrToStr(pages.EndOfFirstPage("edge", 5)), "edge");
}

TEST(PtrToStr, GivesTheEmptyTextForMemoryItCannotRead) {
    for (const DWORD protection :
         {static_cast<DWORD>(PAGE_NOACCESS), static_cast<DWORD>(PAGE_READWRITE | PAGE_GUARD)}) {
        TwoPages pages(protection);
        // No NUL before the page that must not be touched.
        EXPECT_EQ(mAPI::PtrToStr(pages.EndOfFirstPage("unterminated", 12)), "") << protection;
    }
    void* reserved = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_NOACCESS);
    EXPECT_EQ(mAPI::PtrToStr(reinterpret_cast<std::uintptr_t>(reserved)), "");
    VirtualFree(reserved, 0, MEM_RELEASE);
    EXPECT_EQ(mAPI::PtrToStr(1), "");
}

TEST(HandleConversion, KeepsThe32BitPatternBothWays) {
    for (const std::int32_t value : {0, 1, 0x0001002A, -1, static_cast<std::int32_t>(0x80000010)}) {
        EXPECT_EQ(mAPI::HandleToInt(mAPI::IntToHandle<HWND>(value)), value);
    }
}

TEST(WindowQueries, AnswerEmptyForAVanishedWindow) {
    testwin::Windows windows;
    HWND window = windows.TopLevel("going", {10, 10, 100, 100});
    EXPECT_EQ(mAPI::ReadWindowCaption(window, 1024), "going");
    EXPECT_EQ(mAPI::ReadClassName(window), testwin::kPlainClass);
    DestroyWindow(window);
    EXPECT_EQ(mAPI::ReadWindowCaption(window, 1024), "");
    EXPECT_EQ(mAPI::ReadClassName(window), "");
    const mAPI::WindowDC screen(nullptr);
    EXPECT_FALSE(mAPI::IsVisibleOnScreen(window, screen.get()));
}
