#include "demo/UpdaterShots.h"

#include "demo/Photographs.h"

#include "NoticeBox.h"
#include "UpdaterDialog.h"

namespace UpdaterShots {

void render(const QString& folder)
{
    UpdaterDialog updater(std::string(), DownloadSettings {}, FinishActions {});
    // About half a minute into the update.
    for (int i = 0; i < 42; ++i)
        updater.creep();
    Photographs::save(&updater, folder, QStringLiteral("updater.png"));

    NoticeBox done(QStringLiteral("升级完毕！"), QStringLiteral("提示！"));
    Photographs::save(&done, folder, QStringLiteral("updater-done.png"));
}

} // namespace UpdaterShots
