#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tk::InitToolkit(instance);
    vantry::Main main;
    main.Show();
    tk::RunMessageLoop([&main] { return !main.IsLoaded(); });
    return 0;
}
