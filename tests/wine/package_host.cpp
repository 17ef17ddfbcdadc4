// A mail client's stand-in for the release zip: loads plugins\dovrink.dll from the current folder,
// as the client loads it from its own, shows it the body given on the command line and answers
// every box with OK. Prints each box's caption and text in UTF-8.
// usage: package_host.exe BODY_FILE
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include "mail_client.h"
#include "message_boxes.h"
#include "test_host.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: package_host BODY_FILE\n");
        return 2;
    }
    SetMessageOnView(ReadBodyFile(argv[1]));

    ClientPlugin plugin;
    if (!LoadClientPlugin("plugins\\dovrink.dll", plugin) || plugin.Init() == 0) {
        std::fprintf(stderr, "package_host: plugins\\dovrink.dll did not load or initialise\n");
        return 1;
    }
    BoxAnswerer answerer;
    plugin.OnUpdateView();
    // The boxes' own line breaks as they are, not doubled by the text mode's.
    _setmode(_fileno(stdout), _O_BINARY);
    for (const ShownBox &box : answerer.Shown()) {
        std::printf("[%s]\n%s\n", AnsiToUtf8(box.Caption).c_str(), AnsiToUtf8(box.Text).c_str());
    }
    return answerer.Shown().empty() ? 1 : 0;
}
