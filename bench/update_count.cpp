// One whole view update on the benchmark mail of the shape and size given, for callgrind to
// count: valgrind --tool=callgrind --collect-atstart=no --toggle-collect=HandleViewUpdate ...
// update_count SIZE [SHAPE]
#include <cstdlib>
#include <cstring>

#include "bench_host.h"
#include "mail_text.h"

int main(int argc, char **argv) {
    if (argc != 2 && argc != 3) {
        return 2;
    }
    Shape shape = Shape::Ordinary;
    for (int i = 0; argc == 3 && i < ShapeCount; ++i) {
        if (std::strcmp(argv[2], ShapeNames[i]) == 0) {
            shape = static_cast<Shape>(i);
        }
    }
    const std::string &text = ShapedMail(shape, std::strtoull(argv[1], nullptr, 10));
    UseBenchSettings();
    OfferBody(text);
    UpdateView();
    return 0;
}
