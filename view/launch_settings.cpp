// Reading the game's environment variables.
#include "view/launch_settings.h"

#include "view/table_zoom.h"

#include <QByteArray>
#include <QtGlobal>

namespace kolvar {

LaunchSettings ReadLaunchSettings(std::string& said)
{
    LaunchSettings settings;
    const QByteArray zoom = qgetenv("KOLVAR_ZOOM");
    settings.zoom = ZoomOverride(zoom.constData());
    if (!zoom.isEmpty() && !settings.zoom)
        said += "kolvar: KOLVAR_ZOOM=" + zoom.toStdString() +
                " is not a number (such as 1.5); the table is fitted to the window\n";
    const QByteArray motion = qgetenv("KOLVAR_ANIMATION");
    if (motion == "on" || motion == "off")
        settings.motion = motion == "on";
    else if (!motion.isEmpty())
        said += "kolvar: KOLVAR_ANIMATION=" + motion.toStdString() +
                " is neither on nor off; the desktop's setting is followed\n";
    settings.checking = qgetenv("KOLVAR_CHECK") == "1";
    return settings;
}

} // namespace kolvar
