#include "properties/properties_form.h"
#include "resources/resources_form.h"
#include "search/find_window_form.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tk::InitToolkit(instance);
    vantry::Main main;
    vantry::frmProperties properties(main);
    vantry::frmResources resources(main);
    vantry::frmFindWindow search(main);
    main.SetForms({&properties, &resources, &search});
    main.Show();
    tk::RunMessageLoop([&main] { return !main.IsLoaded(); });
    return 0;
}
