// The fake portal's bus, its answers and its signal.
#include "fake_portal.h"

#include <QDBusConnection>
#include <QDBusError>

namespace kolvar::testing {
namespace {

const QString kConnection = "fake-portal";

} // namespace

FakePortal::FakePortal()
{
    qRegisterMetaType<QDBusVariant>(); // for SettingChanged
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
        return;
    const QByteArray address = bus_.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLatin1(address), kConnection);
    ok_ = bus.isConnected() && bus.registerService("org.freedesktop.portal.Desktop") &&
          bus.registerObject("/org/freedesktop/portal/desktop", this,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
}

FakePortal::~FakePortal()
{
    QDBusConnection::disconnectFromBus(kConnection);
    bus_.kill();
    bus_.waitForFinished(3000);
}

void FakePortal::set(const QString& group, const QString& key, const QVariant& value)
{
    settings_[{group, key}] = value;
    emit SettingChanged(group, key, QDBusVariant(value));
}

// As the portal's Read does, the value comes wrapped in a variant of its own.
QDBusVariant FakePortal::Read(const QString& group, const QString& key)
{
    ++reads_;
    const auto found = settings_.find({group, key});
    if (found == settings_.end()) {
        sendErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting");
        return {};
    }
    return QDBusVariant(QVariant::fromValue(QDBusVariant(*found)));
}

} // namespace kolvar::testing
