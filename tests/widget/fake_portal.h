// The desktop's settings portal, as a test plays it: a session bus of its
// own, named in this process's DBUS_SESSION_BUS_ADDRESS (so it must be made
// before the window asks), with org.freedesktop.portal.Settings on it
// answering Read from the settings it is given and saying SettingChanged
// when one is set anew.
#pragma once

#include <QDBusContext>
#include <QDBusVariant>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <utility>

namespace kolvar::testing {

class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    FakePortal();
    ~FakePortal() override;
    bool ok() const { return ok_; }
    int reads() const { return reads_; }
    // Sets a setting; once the portal is up, it says so on the bus.
    void set(const QString& group, const QString& key, const QVariant& value);

public slots:
    QDBusVariant Read(const QString& group, const QString& key);

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    QProcess bus_;
    QMap<std::pair<QString, QString>, QVariant> settings_;
    bool ok_ = false;
    int reads_ = 0;
};

} // namespace kolvar::testing
