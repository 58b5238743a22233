#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The application icon the desktop shows in its menu and task bar: two
// fanned cards, blue behind red, the front one bearing a gold Q. Painted
// from one drawing at every size of the hicolor icon theme.
namespace appicon {

// The sizes of the hicolor theme the package installs.
const QList<int>& sizes();

// The icon at `size` x `size` pixels.
QImage paint(int size);

// Writes <folder>/<size>.png for every size; false when a file cannot be written.
bool writeAll(const QString& folder);

} // namespace appicon
