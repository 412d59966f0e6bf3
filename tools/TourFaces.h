#pragma once

#include <QStringList>

class MainWindow;

// The faces the window can show, set up from made-up state: "empty", "ready", "converting"
// (mid-batch), "complete", "partly-failed" and "failed".
namespace TourFaces {

QStringList names();

// Puts the window's state into the named face; false for a name it does not know.
bool show(MainWindow &window, const QString &face);

} // namespace TourFaces
