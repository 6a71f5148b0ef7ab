#include "core/resource_enum.h"

#include "core/guarded.h"

namespace mAPI {

namespace {

ResourceSink* g_sink = nullptr;
// The type whose names are being listed, as text: made once per type, not once per name.
std::string g_typeText;

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
            g_typeText = ResourceIdText(type);
            const bool named = !IS_INTRESOURCE(type);
            const auto number =
                static_cast<std::uint32_t>(named ? 0 : reinterpret_cast<std::uintptr_t>(type));
            if (g_sink->AddType(g_typeText, named, number)) {
                EnumResourceNamesA(module, named ? g_typeText.c_str() : type, EnumResNameProc, 0);
            }
            return TRUE;
        },
        [] { return FALSE; });
}

BOOL CALLBACK EnumResNameProc(HMODULE, LPCSTR, LPSTR name, LONG_PTR) {
    if (!g_sink) {
        return TRUE;
    }
    return Guarded(
        [&] {
            g_sink->AddName(g_typeText, ResourceIdText(name));
            return TRUE;
        },
        [] { return FALSE; });
}

} // namespace mAPI
