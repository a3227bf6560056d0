// Starting and stopping the private sound server, its recorder and paplay.
#include "pulse_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <cstring>

namespace kolvar::sound {
namespace {

QString recordingPath(const QTemporaryDir& dir)
{
    return dir.filePath("monitor.raw");
}

} // namespace

PulseServer::PulseServer() : server_(std::make_unique<QProcess>())
{
    if (!dir_.isValid())
        return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", dir_.path());
    env.insert("HOME", dir_.path());
    server_->setProcessEnvironment(env);
    server_->setProcessChannelMode(QProcess::MergedChannels); // its warnings stay here
    server_->start(
        "pulseaudio",
        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-target=stderr",
         "--load=module-null-sink sink_name=cues",
         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + dir_.filePath("native")});
    if (!server_->waitForStarted(5000))
        return;
    // The server is up once a client gets an answer from it.
    const QDeadlineTimer deadline(10000);
    while (!ready_ && !deadline.hasExpired() && server_->state() == QProcess::Running) {
        QProcess info;
        info.setProcessEnvironment(clientEnvironment());
        info.start("pactl", {"info"});
        ready_ = info.waitForFinished(2000) && info.exitCode() == 0;
        if (!ready_)
            server_->waitForFinished(50); // returns early only if the server ends
    }
}

PulseServer::~PulseServer()
{
    stopRecording();
    for (auto& player : players_)
        player->waitForFinished(3000);
    server_->terminate();
    if (!server_->waitForFinished(3000))
        server_->kill();
}

QString PulseServer::address() const
{
    return "unix:" + dir_.filePath("native");
}

QProcessEnvironment PulseServer::clientEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", address());
    env.insert("HOME", dir_.path());
    return env;
}

bool PulseServer::startRecording()
{
    recorder_ = std::make_unique<QProcess>();
    recorder_->setProcessEnvironment(clientEnvironment());
    recorder_->setStandardOutputFile(recordingPath(dir_));
    recorder_->start("parec",
                     {"--device=cues.monitor", "--format=s16le", "--rate=" + QString::number(kRate),
                      "--channels=1", "--latency-msec=20", "--raw"});
    return recorder_->waitForStarted(5000);
}

void PulseServer::stopRecording()
{
    if (!recorder_)
        return;
    recorder_->terminate();
    recorder_->waitForFinished(3000);
    recorder_.reset();
}

std::vector<int16_t> PulseServer::recording() const
{
    QFile file(recordingPath(dir_));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

void PulseServer::paplay(const QString& file)
{
    auto player = std::make_unique<QProcess>();
    player->setProcessEnvironment(clientEnvironment());
    player->start("paplay", {file});
    players_.push_back(std::move(player));
}

} // namespace kolvar::sound
