// Build step: writes a program's .ico (32 x 32 and 16 x 16) from its pictogram's geometry,
// so that the .exe carries the same picture that the running program can draw.
#include <cstdio>
#include <fstream>
#include <vector>

#include "icon/ico_file.h"
#include "icon/pictograms.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon PROGRAM OUTPUT.ico\n");
        return 2;
    }
    using namespace papyrka::icon;
    const Pictogram* pictogram = FindPictogram(argv[1]);
    if (!pictogram) {
        std::fprintf(stderr, "make_icon: %s has no pictogram in shared/icon/pictograms.cpp\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> file = IcoFile({DrawPictogram(*pictogram, 32), DrawPictogram(*pictogram, 16)});
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
