#pragma once

#include <QString>

// The updater's windows for the tour: the progress window part-way, and the notice it
// ends with. The updater is its own program; its window class is built here without
// a download list, so nothing is fetched or replaced.
namespace UpdaterShots {

void render(const QString& folder);

} // namespace UpdaterShots
