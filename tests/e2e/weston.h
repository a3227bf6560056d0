// A Wayland desktop for the end-to-end tests: weston's headless backend,
// drawing with its pixman renderer into memory, under its usual desktop
// shell (a panel along the top). It has no seat, so nothing can type or
// click on it; what it shows is read with weston-screenshooter, which weston
// serves to any client when started with --debug. It runs with a runtime
// folder of its own (mode 0700) and a socket of a name no other test uses.
#pragma once

#include <QImage>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace kolvar::e2e {

class Weston {
public:
    explicit Weston(QSize size = {1280, 800});
    ~Weston();
    Weston(const Weston&) = delete;
    Weston& operator=(const Weston&) = delete;

    bool ok() const { return failure_.isEmpty(); }
    QString failure() const { return failure_; }
    QSize size() const { return size_; }
    // What a client needs to find this compositor: WAYLAND_DISPLAY and
    // XDG_RUNTIME_DIR, as "NAME=value".
    QStringList clientEnvironment() const;
    // The output as the compositor last drew it; null when it cannot be read.
    QImage screenshot() const;

private:
    QSize size_;
    QTemporaryDir runtime_;
    QString socket_;
    std::unique_ptr<QProcess> weston_;
    QString failure_;
};

} // namespace kolvar::e2e
