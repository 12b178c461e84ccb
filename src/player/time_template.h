#pragma once
// Play-list lines that tell the time: tags for the hour, minute, weekday and month, and
// conditions that let a line play only at certain minutes or once per strike of the hour.
#include <string>

#include "platform/clock.h"

class IFileLister;

// The two modes of one walk over a play list; a line with "<UsePastTo>" or "<UseAmPm>"
// turns its mode on for itself and every later line.
struct TimeModes {
    bool pastTo = false; // minutes past the half hour told as minutes to the next hour
    bool amPm = false;   // hours on the 12-hour dial
};

// Where a play list finds its files: relative paths lie in the program's folder.
struct PlayFiles {
    const IFileLister& files;
    std::string programPath; // the executable's full path, lower case
};

// Rewrites `line` for the time `now`; gives how many times it plays as one file or address,
// or 0 when it is not played as one file (a wildcard pattern, a missing file, a condition
// that fails).
int ExpandTimeTemplate(std::string& line, TimeModes& modes, const LocalTime& now,
                       const PlayFiles& where);

// Puts the program's drive (and folder, for a relative path) in front of a path without a
// drive; true when the file exists.
bool ResolvePlayPath(std::string& path, const PlayFiles& where);
