// Sound effects: WAVE images unpacked from the resources and played from memory, one at a time.
// Used by the controller (moves), board input (legal square, hint) and the network (calls,
// messages). Playing does nothing while SoundOn is false or when there is no audio output.
#pragma once

#include <string>

extern bool SoundOn;

// Starts the named sound (a SOUND_ resource), stopping the one playing; returns at once.
void PlaySoundResource(const char* name);

// Stops the sound that is playing, if any, and frees its image.
void StopSound();

// The name of the sound whose image is held (playing or played last); empty when none.
std::string HeldSoundResource();
