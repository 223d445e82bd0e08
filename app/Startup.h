#pragma once
class QApplication;
class TFrmmain;

// Start-up after the application object exists: the title, the date and time formats,
// the main window. The caller shows the window and runs the loop.
TFrmmain* StartKelvaro(QApplication& app);
