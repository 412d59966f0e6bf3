#pragma once

// What Clipforger's own widgets are to screen readers: an elided line its whole text, the percent
// label a progress bar. Qt's accessibility reads them through a factory, which each of these
// widgets installs when it is built.
namespace AccessibleWidgets {

void install();

} // namespace AccessibleWidgets
