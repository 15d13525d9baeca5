#pragma once
// Vevuvez's editor window: the thirteen boxes laid out like the face of one card.
#include "designer/editor_face.h"

namespace papyrka::vevuvez {

const EditorFace& VevuvezEditorFace();

}  // namespace papyrka::vevuvez
