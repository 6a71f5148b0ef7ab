#include "app/command_line.h"
#include "app/dump_command.h"
#include "core/mapi_win.h"
#include "messages/messages_form.h"
#include "processes/processes_form.h"
#include "properties/properties_form.h"
#include "resources/resources_form.h"
#include "search/find_window_form.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) {
        args.push_back(mAPI::Narrow(wide[i]));
    }
    LocalFree(wide);
    return args;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const vantry::CommandLine line = vantry::ParseCommandLine(Arguments());
    if (line.mode != vantry::RunMode::Gui) {
        return vantry::RunCommandLine(line);
    }
    tk::InitToolkit(instance);
    vantry::Main main;
    vantry::frmProperties properties(main);
    vantry::frmResources resources(main);
    vantry::frmFindWindow search(main);
    vantry::frmProcesses processes(main);
    vantry::frmMessages messages(main);
    main.SetForms({&properties, &resources, &search, &processes, &messages});
    main.Show();
    if (line.filter) {
        main.txtFilter.SetText(*line.filter);
    }
    tk::RunMessageLoop([&main] { return !main.IsLoaded(); });
    return 0;
}
