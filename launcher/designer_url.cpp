#include "launcher/designer_url.h"

#include "base/windows_path.h"

namespace papyrka::launcher {

std::u16string DesignerUrl(std::u16string_view folder, std::u16string_view fileName) {
    std::u16string url = u"file://";
    url += WithoutTrailingBackslash(folder);
    url += fileName;
    return url;
}

}  // namespace papyrka::launcher
