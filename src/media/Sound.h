// Sound effects: WAVE images unpacked from the resources and played from memory, one at a time.
// Used by the controller (moves), board input (legal square, hint) and the network (calls,
// messages). Playing does nothing while SoundOn is false or when there is no audio output.
#pragma once

extern bool SoundOn;

// Starts the named sound (a SOUND_ resource), stopping the one playing; returns at once.
void PlaySoundResource(const char* name);

// Stops the sound that is playing, if any, and frees its image.
void StopSound();

// The resource name of the last sound started (empty when none): lets tests see what played
// where there is no audio device.
const char* LastSoundResource();
