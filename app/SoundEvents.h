// Sound events: the one place where the shell plays the sound that the
// user's sound scheme gives a named event ("Expand/Collapse", "NewItem" ...),
// and the run-time switch that mutes them.
//
// The multimedia library is loaded only when a sound is first played. Tests
// install a CSoundEventSeam to see what would be played instead of playing.
#pragma once

#include "framework/ui/TestSeams.h"

struct QIV_SOUND_REQUEST
{
    CString strEvent;
    CString strFile;
    DWORD fdwSound;
};
using CSoundEventSeam = CTestSeam<QIV_SOUND_REQUEST>;

// Plays the scheme's sound of the event, asynchronously; silent when the
// run-time switch is off, when Settings\Audio is anything but "1", or when
// the scheme has no file for the event. A scheme that lacks the event's key
// switches the sounds off for the rest of the run. Never reports a failure.
void PlaySoundEvent(LPCSTR lpszEvent);

// The run-time switch (on at start).
bool AreSoundEventsOn();
void SetSoundEventsOn(bool bOn);

// Mutes the sound events for its lifetime and restores the switch after,
// for operations that select or insert items by program and would
// otherwise sound at every step.
class CQuietSoundEvents
{
public:
    CQuietSoundEvents();
    ~CQuietSoundEvents();
    CQuietSoundEvents(const CQuietSoundEvents&) = delete;
    CQuietSoundEvents& operator=(const CQuietSoundEvents&) = delete;

private:
    bool m_bWasOn;
};
