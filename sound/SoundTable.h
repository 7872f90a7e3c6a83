#pragma once
#include "sound/SoundData.h"

// Builds the twelve sounds from their recipes, in the format of the
// opened audio device. The entries' previous buffers are not freed.
void build_sound_table(sound_data_t (&sounds)[SOUND_COUNT]);

// Frees every entry's buffer.
void free_sound_table(sound_data_t (&sounds)[SOUND_COUNT]);
