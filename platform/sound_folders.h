// The PulseAudio client library, which plays the cues, keeps two things of
// its own under HOME when it finds them nowhere else. Where the session names
// no runtime folder (no XDG_RUNTIME_DIR: a shell after `su`, some `ssh -X`
// logins) it makes `~/.config/pulse/<machine-id>-runtime`, a link to a
// folder it makes in /tmp and never removes, only to look there for a
// per-user sound server. And once it reaches a server it writes a new,
// random cookie to `~/.config/pulse/cookie` for a player who has none. The
// game writes nothing in HOME and leaves nothing behind, so where the library
// would make either, it is handed the runtime folder that Qt keeps for the
// session instead, and a cookie that is kept nowhere. A server the library
// would find still plays the cues: one named by PULSE_SERVER or in the
// library's settings, the system-wide one, and a per-user one whose runtime
// link the player already has.
#pragma once

namespace kolvar {

// Once the application is made, and before the first cue connects to the
// sound server.
void KeepSoundLibraryOutOfHome();

} // namespace kolvar
