#pragma once
// The walk over a play list: one line after another, each a file, an address, a time
// template or a wildcard pattern, played by one player's play step.
#include <cstdint>
#include <random>
#include <string>

#include "player/time_template.h"

enum class PlayResult {
    Played,
    Failed,  // this clip could not play; the walk goes on
    Abandon, // the walk ends (a stop request, or the user stopped the media player)
};

// One player's way of playing a clip, and its stop request.
class IPlayStep {
public:
    virtual ~IPlayStep() = default;
    virtual PlayResult Play(const std::string& path, int count) = 0;
    virtual bool StopPending() const = 0;
    // Tells the user what went wrong with a line.
    virtual void Report(const std::string& status) = 0;
};

// At most this many files of one wildcard pattern are played; a pattern over more ends
// its line with a status text.
constexpr size_t MAX_PATTERN_FILES = 10000;

// Plays the lines of `list` (cut at line ends) in order. A wildcard pattern plays its files
// once each in name order, or with `random` picks among them until a stop request (no file
// twice in a row, and the line ends when every pick in a row failed).
void WalkPlayList(const std::string& list, bool random, const PlayFiles& where, const IClock& clock,
                  IPlayStep& step, std::minstd_rand& rng);
