#include "core/resource_enum.h"

#include "core/guarded.h"

namespace mAPI {

namespace {

ResourceSink* g_sink = nullptr;

} // namespace

void SetResourceSink(ResourceSink* sink) {
    g_sink = sink;
}

std::string ResourceIdText(LPCSTR id) {
    if (IS_INTRESOURCE(id)) {
        return std::to_string(reinterpret_cast<std::uintptr_t>(id));
    }
    // The enumeration hands us its own NUL-terminated strings: no need to probe the memory
    // first, as PtrToStr does for addresses of unknown origin.
    return std::string(id);
}

BOOL CALLBACK EnumResTypeProc(HMODULE module, LPSTR type, LONG_PTR) {
    if (!g_sink) {
        return TRUE;
    }
    // A failure ends the enumeration; what was listed stays.
    return Guarded(
        [&] {
            const std::string typeText = ResourceIdText(type);
            const bool named = !IS_INTRESOURCE(type);
            const auto number =
                static_cast<std::uint32_t>(named ? 0 : reinterpret_cast<std::uintptr_t>(type));
            if (g_sink->AddType(typeText, named, number)) {
                EnumResourceNamesA(module, named ? typeText.c_str() : type, EnumResNameProc, 0);
            }
            return TRUE;
        },
        [] { return FALSE; });
}

BOOL CALLBACK EnumResNameProc(HMODULE, LPCSTR type, LPSTR name, LONG_PTR) {
    if (!g_sink) {
        return TRUE;
    }
    return Guarded(
        [&] {
            g_sink->AddName(ResourceIdText(type), ResourceIdText(name));
            return TRUE;
        },
        [] { return FALSE; });
}

} // namespace mAPI
