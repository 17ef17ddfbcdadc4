// One whole view update on the benchmark mail text of the size given in bytes, for callgrind to
// count: valgrind --tool=callgrind --collect-atstart=no --toggle-collect=HandleViewUpdate ...
#include <cstdlib>

#include "bench_host.h"
#include "mail_text.h"
#include "viewer/view_update.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        return 2;
    }
    const std::string &text = MailText(std::strtoull(argv[1], nullptr, 10));
    UseBenchSettings();
    OfferBody(text);
    HandleViewUpdate();
    return 0;
}
