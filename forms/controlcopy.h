#pragma once

class QLabel;

namespace forms {

// What a loaded control array element takes over from element 0: geometry,
// colours, font, picture or caption, and how it treats the mouse.
void copyControl(const QLabel &from, QLabel &to);

} // namespace forms
