#pragma once
// What every window shares, set once at start-up before the main window is created: the
// Czech locale and Qt's own texts in Czech, and the tooltips' look and timing.

class QApplication;

namespace tarvenik {

void setUpApplication(QApplication& app);

} // namespace tarvenik
