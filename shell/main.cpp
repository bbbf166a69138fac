#include "platform/seams/FileSearch.h"
#include "platform/window/App.h"
#include "shell/ChamberApp.h"
#include "shell/StartupOptions.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // The options that end the program are answered before any window or display is needed.
    const StartupOptions options = ParseStartupOptions(
        JoinArguments(argc, argv), [](const std::string& name) { return platform::FindFirstFile(name).has_value(); });
    if (!options.error.empty()) {
        std::fprintf(stderr, "tracelume: %s\n%s", options.error.c_str(), StartupUsage().c_str());
        return 2;
    }
    if (options.help || options.version) {
        std::fputs((options.help ? StartupUsage() : StartupVersion()).c_str(), stdout);
        return 0;
    }
    int status = 0;
    {
        CChamberApp app(argc, argv);
        status = AfxWinMain(app);
    }
    EndWindowSystem();
    return status;
}
