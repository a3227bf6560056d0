// A private PulseAudio server for the sound tests: started in a runtime
// folder of its own with one null sink, whose monitor is recorded to a file
// while the test plays cues into it.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace kolvar::sound {

class PulseServer {
public:
    PulseServer(); // starts the server; ok() tells whether it answers
    ~PulseServer();
    bool ok() const { return ready_; }
    // What a client sets PULSE_SERVER to.
    QString address() const;
    // The folder of its socket, as a per-user server's runtime folder.
    QString runtimeFolder() const { return dir_.path(); }
    // The environment of a client that plays to this server only.
    QProcessEnvironment clientEnvironment() const;

    // Starts recording the sink's monitor, 16-bit mono at kRate, into a file.
    bool startRecording();
    void stopRecording();
    // The samples recorded so far.
    std::vector<int16_t> recording() const;
    // Starts paplay on a file and returns at once.
    void paplay(const QString& file);

    static constexpr int kRate = 44100;

private:
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> recorder_;
    std::vector<std::unique_ptr<QProcess>> players_;
    bool ready_ = false;
};

} // namespace kolvar::sound
