// The desktop's motion setting, from Qt or from the settings portal.
#include "platform/desktop_motion.h"

#include "platform/session_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QStyleHints>
#include <algorithm>
#if QT_VERSION >= QT_VERSION_CHECK(6, 12, 0)
#include <QAccessibilityHints>
#endif

namespace kolvar {
namespace {

constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kSettings[] = "org.freedesktop.portal.Settings";

// Each setting, and whether its value asks for no motion.
struct Setting {
    const char* group;
    const char* key;
    bool (*asksForNone)(const QVariant& value);
};

const std::array<Setting, 3> kSettingsRead = {{
    {"org.freedesktop.appearance", "reduced-motion",
     [](const QVariant& v) { return v.toUInt() == 1; }},
    {"org.gnome.desktop.interface", "enable-animations",
     [](const QVariant& v) { return !v.toBool(); }},
    // KDE's portal gives its configuration's text or a number.
    {"org.kde.kdeglobals.KDE", "AnimationDurationFactor",
     [](const QVariant& v) {
         bool number = false;
         const double factor = v.toDouble(&number);
         return number && factor == 0;
     }},
}};

// The portal's Read wraps the value in a variant, some portals twice.
QVariant unwrapped(QVariant v)
{
    while (v.userType() == qMetaTypeId<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}

} // namespace

DesktopMotion::DesktopMotion(QObject* parent) : QObject(parent) {}

bool DesktopMotion::reduced() const
{
    return std::any_of(asksForNone_.begin(), asksForNone_.end(), [](bool b) { return b; });
}

void DesktopMotion::watch()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 12, 0)
    QAccessibilityHints* hints = QGuiApplication::styleHints()->accessibility();
    asksForNone_[0] = hints->motionPreference() == Qt::MotionPreference::ReducedMotion;
    connect(hints, &QAccessibilityHints::motionPreferenceChanged, this,
            [this](Qt::MotionPreference preference) {
                asksForNone_[0] = preference == Qt::MotionPreference::ReducedMotion;
                emit reducedChanged(reduced());
            });
    if (reduced())
        emit reducedChanged(true);
#else
    askPortal();
#endif
}

void DesktopMotion::askPortal()
{
    if (!SessionBusNamed())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    qRegisterMetaType<QDBusVariant>(); // SettingChanged's value
    bus.connect(kPortal, kPortalPath, kSettings, "SettingChanged", this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    for (const Setting& s : kSettingsRead) {
        QDBusMessage read = QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, "Read");
        read << QString(s.group) << QString(s.key);
        auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this,
                [this, s](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<QDBusVariant> reply = *call;
                    if (reply.isValid())
                        take(s.group, s.key, reply.value().variant());
                    call->deleteLater();
                });
    }
}

void DesktopMotion::settingChanged(const QString& group, const QString& key,
                                   const QDBusVariant& value)
{
    take(group, key, value.variant());
}

void DesktopMotion::take(const QString& group, const QString& key, const QVariant& value)
{
    for (size_t i = 0; i < kSettingsRead.size(); ++i) {
        const Setting& s = kSettingsRead[i];
        if (group != QLatin1String(s.group) || key != QLatin1String(s.key))
            continue;
        const bool before = reduced();
        asksForNone_[i] = s.asksForNone(unwrapped(value));
        if (reduced() != before)
            emit reducedChanged(reduced());
    }
}

} // namespace kolvar
