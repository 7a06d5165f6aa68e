#pragma once

class QApplication;

// Names the application for the desktop (so a running window is matched to
// its menu entry and icon) and loads Qt's own texts in Bulgarian, the
// language of the whole window, whatever the user's locale.
void setUpApplication(QApplication &app);

// Where Qt's translations are looked for: Qt's own folder, then built into
// the program (Windows), beside it, and in the bundle (macOS).
bool loadQtTranslations(QApplication &app);
