// Sound effects: WAVE images unpacked from the resources and played from memory, one at a time.
// Used by the controller (moves), board input (legal square, hint) and the network (calls,
// messages). Playing does nothing while SoundOn is false or when there is no audio output.
#pragma once

#include <QAudioFormat>
#include <functional>
#include <memory>
#include <string>

class QIODevice;

extern bool SoundOn;

// Starts the named sound (a SOUND_ resource), stopping the one playing; returns at once. The
// sound is played by an audio thread of its own, so it is heard while the main thread is busy
// (the disc animation holds it for a second).
void PlaySoundResource(const char* name);

// Stops the sound that is playing, if any, and frees its image.
void StopSound();

// The name of the sound whose image is held (playing or played last); empty when none.
std::string HeldSoundResource();

// Stops the audio thread and waits for it; a later PlaySoundResource starts it again. Runs by
// itself when the application object is destroyed.
void ShutdownSound();

// Where the samples go: one output per sound, created and destroyed on the audio thread.
// Destroying it stops what it plays. The samples device stays open while the output lives.
class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
};
// Makes the output for one sound and starts it reading samples; null when the sound cannot be
// played (no audio device, a format it does not take).
using TSoundOutputFactory
    = std::function<std::unique_ptr<TSoundOutput>(const QAudioFormat& format, QIODevice* samples)>;

// Replaces the audio device (for tests); an empty factory restores the system's default output.
// Takes effect for the sounds started after it.
void SetSoundOutputFactory(TSoundOutputFactory factory);
