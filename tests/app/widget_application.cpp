#include "widget_application.h"

#include <QApplication>

void ensure_widget_application()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "selunar_widget_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: a widget application must not end among the static
    // destructors of the process.
    new QApplication(argc, argv);
}
