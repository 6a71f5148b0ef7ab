#include "tree/program_icon_resource.h"

#include "core/version.h"
#include "toolkit/app.h"

namespace vantry {

mAPI::Icon LoadProgramIcon(int size) {
    return mAPI::Icon(
        static_cast<HICON>(LoadImageA(tk::Instance(), MAKEINTRESOURCEA(VANTRY_ICON_ID), IMAGE_ICON,
                                      size, size, LR_DEFAULTCOLOR)));
}

} // namespace vantry
