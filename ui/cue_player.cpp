// Turning a cue's name into its wave file: beside the executable, or in the
// installed data folder.
#include "ui/cue_player.h"

#include "platform/system.h"
#include "platform/wave_player.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>

// Where the installed cues lie, relative to the installed executable.
#ifndef KOLVAR_SOUNDS_FROM_BINDIR
#define KOLVAR_SOUNDS_FROM_BINDIR "../share/kolvar/sounds"
#endif

namespace kolvar {
namespace {

// The file each cue plays, told at start-up; silent unless
// QT_LOGGING_RULES="kolvar.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "kolvar.sound", QtInfoMsg)

} // namespace

QString CuePath(std::string_view file)
{
    const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    const QDir executable(ExecutableDirectory());
    const QString beside = executable.filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed =
        QDir::cleanPath(executable.filePath(QStringLiteral(KOLVAR_SOUNDS_FROM_BINDIR "/") + name));
    return QFileInfo(installed).isFile() ? installed : beside;
}

CuePlayer::CuePlayer(const Options& options, std::unique_ptr<WavePlayer> player) : options_(options)
{
    for (size_t i = 0; i < kCueFiles.size(); ++i) {
        paths_[i] = CuePath(kCueFiles[i]);
        qCDebug(lcSound) << "cue" << paths_[i];
    }
    player_ = player ? std::move(player) : std::make_unique<CanberraPlayer>();
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::setPlayer(std::unique_ptr<WavePlayer> player)
{
    player_ = std::move(player);
}

void CuePlayer::prepare()
{
    player_->prepare();
}

void CuePlayer::PlaySoundCue(std::string_view file)
{
    if (!options_.OptSound)
        return;
    const auto known = std::find(kCueFiles.begin(), kCueFiles.end(), file);
    if (known != kCueFiles.end())
        player_->play(paths_[known - kCueFiles.begin()]);
    else
        player_->play(CuePath(file));
}

} // namespace kolvar
