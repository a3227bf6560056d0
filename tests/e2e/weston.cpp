// Starting weston headless and reading its output.
#include "weston.h"

#include "x_display.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace kolvar::e2e {

Weston::Weston(QSize size) : size_(size)
{
    // Wayland insists on a runtime folder that only its owner can enter.
    if (!runtime_.isValid() ||
        !QFile::setPermissions(runtime_.path(),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        failure_ = "no private runtime folder";
        return;
    }
    static int started = 0;
    socket_ = QString("kolvar-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++started);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.remove("WAYLAND_DISPLAY");
    env.remove("DISPLAY"); // the headless backend needs no X server, and finds none
    weston_ = std::make_unique<QProcess>();
    weston_->setProcessEnvironment(env);
    weston_->setProcessChannelMode(QProcess::MergedChannels);
    weston_->start("weston", {"--backend=headless-backend.so", "--socket=" + socket_,
                              "--use-pixman", "--width=" + QString::number(size.width()),
                              "--height=" + QString::number(size.height()), "--idle-time=0",
                              "--debug", "--log=" + runtime_.filePath("weston.log")});
    const QString socketPath = runtime_.filePath(socket_);
    const bool listening = WaitFor(
        [&] { return QFileInfo(socketPath).exists() || weston_->state() == QProcess::NotRunning; },
        10000);
    if (!listening || weston_->state() == QProcess::NotRunning) {
        QFile log(runtime_.filePath("weston.log"));
        log.open(QIODevice::ReadOnly);
        failure_ = "weston did not open its socket: " + QString::fromLocal8Bit(log.readAll());
    }
}

Weston::~Weston()
{
    if (weston_ && weston_->state() != QProcess::NotRunning) {
        weston_->terminate();
        if (!weston_->waitForFinished(5000)) {
            weston_->kill();
            weston_->waitForFinished(3000);
        }
    }
}

QStringList Weston::clientEnvironment() const
{
    return {"WAYLAND_DISPLAY=" + socket_, "XDG_RUNTIME_DIR=" + runtime_.path()};
}

QImage Weston::screenshot() const
{
    // weston-screenshooter writes one file named by the time into its
    // working folder: a fresh folder holds just that one.
    QTemporaryDir folder;
    QProcess shooter;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WAYLAND_DISPLAY", socket_);
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    shooter.setProcessEnvironment(env);
    shooter.setWorkingDirectory(folder.path());
    shooter.setProcessChannelMode(QProcess::MergedChannels);
    shooter.start("weston-screenshooter", {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return {};
    const QStringList shots = QDir(folder.path()).entryList({"*.png"}, QDir::Files);
    if (shots.size() != 1)
        return {};
    return QImage(folder.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

} // namespace kolvar::e2e
