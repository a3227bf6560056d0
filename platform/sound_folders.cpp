// Where the PulseAudio client library would write under HOME, and what it is
// given instead. The places are the library's own, as it finds them in its
// environment, its settings and HOME.
#include "platform/sound_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <algorithm>
#include <vector>

namespace kolvar {
namespace {

// A line "key = value" of the library's client.conf.
struct Setting {
    QByteArray key, value;
};

// The settings of every client.conf the library may read (the one the
// environment names, the player's, the system's), each with its .d folder:
// more than the library reads, so that none of the player's is missed.
std::vector<Setting> clientSettings()
{
    const QString home = QDir::homePath();
    QStringList files = {home + "/.pulse/client.conf", home + "/.config/pulse/client.conf",
                         "/etc/pulse/client.conf"};
    if (qEnvironmentVariableIsSet("PULSE_CLIENTCONFIG"))
        files << qEnvironmentVariable("PULSE_CLIENTCONFIG");
    if (qEnvironmentVariableIsSet("PULSE_CONFIG_PATH"))
        files << qEnvironmentVariable("PULSE_CONFIG_PATH") + "/client.conf";
    QStringList parts;
    for (const QString& file : files) {
        const QDir dotD(file + ".d");
        for (const QString& part : dotD.entryList({"*.conf"}, QDir::Files))
            parts << dotD.filePath(part);
    }
    std::vector<Setting> settings;
    for (const QString& name : files + parts) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                settings.push_back({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
        }
    }
    return settings;
}

// Whether a setting gives `key` one of `values`, or any value when none are
// given; the library reads a yes or a no in upper or lower case.
bool anySetting(const std::vector<Setting>& settings, const char* key,
                std::initializer_list<const char*> values = {})
{
    auto among = [&](const QByteArray& value) {
        return std::any_of(values.begin(), values.end(), [&](const char* v) {
            return value.compare(v, Qt::CaseInsensitive) == 0;
        });
    };
    for (const Setting& s : settings)
        if (s.key == key && (values.size() == 0 || among(s.value)))
            return true;
    return false;
}

// The library's settings folder in the player's configuration folder.
QString configFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (config.isEmpty() ? QDir::homePath() + "/.config" : config) + "/pulse";
}

// The link to the runtime folder, in ~/.pulse where an older version of the
// library made that folder, named after the machine (or the host, on a
// machine without an id).
QString runtimeLink()
{
    const QString legacy = QDir::homePath() + "/.pulse";
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        machine = QSysInfo::machineHostName().toLocal8Bit();
    return (QFileInfo::exists(legacy) ? legacy : configFolder()) + '/' +
           QString::fromLocal8Bit(machine) + "-runtime";
}

// The library wants a runtime folder to look for a per-user server when none
// is named. A link that leads to a folder may lead to a server the player
// started without a session's runtime folder, and where the settings have
// the library start a server when it finds none (autospawn), the player's
// other programs must find that server by the same link: both are left to
// the library.
bool wouldMakeRuntimeLink(const std::vector<Setting>& settings)
{
    return !qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") &&
           !qEnvironmentVariableIsSet("PULSE_RUNTIME_PATH") &&
           !qEnvironmentVariableIsSet("PULSE_SERVER") && !QFileInfo(runtimeLink()).isDir() &&
           !anySetting(settings, "autospawn", {"1", "y", "t", "yes", "true", "on"});
}

// A cookie proves who the game is to a server that asks. The library makes
// a new, random one in HOME only when it finds none of the player's (named
// by PULSE_COOKIE or a client.conf, or in HOME): one that is kept nowhere
// proves just as much.
bool wouldMakeCookie(const std::vector<Setting>& settings)
{
    return qEnvironmentVariable("PULSE_COOKIE").isEmpty() &&
           !QFileInfo::exists(configFolder() + "/cookie") &&
           !QFileInfo::exists(QDir::homePath() + "/.pulse-cookie") &&
           !anySetting(settings, "cookie-file");
}

// Qt's own runtime folder where the session names none, private to the
// player and kept by Qt, or nothing where Qt could not make one. Qt said where
// it is in its one line at start-up; asked again, it would say so again.
QString qtRuntimeFolder()
{
    const QtMessageHandler said =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(said);
    return folder;
}

} // namespace

void KeepSoundLibraryOutOfHome()
{
    const std::vector<Setting> settings = clientSettings();
    if (wouldMakeRuntimeLink(settings)) {
        const QString runtime = qtRuntimeFolder();
        if (!runtime.isEmpty())
            qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(runtime));
    }
    // The library reads a cookie's bytes from the file named, and writes new
    // random ones only into a file that is too short: from /dev/urandom it
    // reads a new random cookie, as it would have made, and keeps it nowhere.
    if (wouldMakeCookie(settings) && QFileInfo::exists("/dev/urandom"))
        qputenv("PULSE_COOKIE", "/dev/urandom");
}

} // namespace kolvar
