#pragma once

// Creates the one QApplication of a widget test process (offscreen unless the
// environment names a platform). Safe to call from every suite's set-up.
void ensure_widget_application();
