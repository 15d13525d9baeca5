#pragma once
// Davavazo's editor window: the eight contact boxes in one column with their captions.
#include "designer/editor_face.h"

namespace papyrka::davavazo {

const EditorFace& DavavazoEditorFace();

}  // namespace papyrka::davavazo
