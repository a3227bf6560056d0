// Whether the player's desktop asks programs to show no motion. Qt 6.12
// and later say so themselves; before, the desktop's settings portal
// (org.freedesktop.portal.Settings on the session bus) is asked, and
// watched, for the three settings desktops keep it in: the freedesktop
// appearance's reduced-motion, GNOME's enable-animations and KDE's
// AnimationDurationFactor. Where there is no session bus or no portal,
// motion is on and nothing is said or started. The portal is asked without
// waiting for it, so the answer comes a moment after watch().
#pragma once

#include <QObject>
#include <array>

class QDBusVariant;
class QVariant;

namespace kolvar {

class DesktopMotion : public QObject {
    Q_OBJECT
public:
    explicit DesktopMotion(QObject* parent = nullptr);

    // Asks the desktop, and follows its changes from now on.
    void watch();
    bool reduced() const;

signals:
    void reducedChanged(bool reduced);

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void take(const QString& group, const QString& key, const QVariant& value);
    void askPortal();

    std::array<bool, 3> asksForNone_{}; // by each of the three settings
};

} // namespace kolvar
