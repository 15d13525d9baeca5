// Build step: writes the program's .ico (32 x 32 and 16 x 16) from the icon's geometry, so
// that the .exe carries the same icon that the running launcher shows in the tray.
#include <cstdio>
#include <fstream>
#include <vector>

#include "launcher/ico_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    using namespace papyrka::launcher;
    const std::vector<std::uint8_t> file = IcoFile({DrawProgramIcon(32), DrawProgramIcon(16)});
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
