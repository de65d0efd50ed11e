#pragma once
// Texts stand whole in their boxes whatever face the system sets them in.
// The boxes are those of the game's layout, drawn for a narrow face; where
// the face at hand is wider or taller (Tahoma on Windows), a caption that
// would stick out is set a pixel smaller at a time until it stands whole.

class QWidget;

namespace blefino::fonts {

// Every visible label, button and text box of `window`. Nothing changes
// where the texts already fit, as they do in the layout's own face.
void fit_texts(QWidget& window);

}  // namespace blefino::fonts
