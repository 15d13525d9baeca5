#pragma once
// Each program's pictogram by the program's name, so that the taskbar, Alt+Tab and the file
// manager tell the eight programs apart.
#include <string_view>
#include <vector>

#include "icon/icon_image.h"

namespace papyrka::icon {

struct ProgramPictogram {
    std::string_view program;   // the .exe's name without ".exe"
    Pictogram pictogram;
};

const std::vector<ProgramPictogram>& ProgramPictograms();

// Null for a program without one.
const Pictogram* FindPictogram(std::string_view program);

}  // namespace papyrka::icon
