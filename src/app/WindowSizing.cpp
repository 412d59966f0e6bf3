#include "WindowSizing.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace WindowSizing {

void resizeFirstWindow(QSize size)
{
    // QApplication::topLevelWidgets() has no defined order; the window list does.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window->type() != Qt::Window)
            continue;
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets) {
            if (widget->windowHandle() == window) {
                widget->resize(size);
                return;
            }
        }
        window->resize(size);
        return;
    }
}

} // namespace WindowSizing
