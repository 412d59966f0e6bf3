#pragma once

class QApplication;

namespace ClipforgerApp {

// Names the application and gives its windows our icon, so that the desktop shows "Clipforger"
// and matches the window to its desktop entry.
void describeApplication(QApplication &application);

inline constexpr char desktopFileName[] = "org.clipforger.Clipforger";

} // namespace ClipforgerApp
