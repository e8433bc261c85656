#pragma once
// Angles written as text (degrees, minutes, seconds) read and written, and
// hemisphere letters turned into signs.
#include <string>

#include "runs/run_records.hpp"

namespace tolv7 {

// An integer from the first n characters: leading blanks are skipped, one
// sign may come before the first digit, a blank after the number has begun
// counts as 0 (and is changed to '0' in the text), ':' ends a begun number
// (and is skipped before), '$' ends it. Any other character, or a value
// beyond 32 bits, sets `error` to 1 and `value` to 0 (a bad character is
// changed to '0'). Returns the characters used, the ending one included.
int gvali4(std::string& text, int n, int& value, int& error);

// The same for a decimal number; one '.' starts the fraction.
int gvalr8(std::string& text, int n, double& value, int& error);

struct DmsParts {
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    int flag = 0;  // 1: malformed, out of range, or code '*' (no limit)
};

// An angle written as D, D:M or D:M:S (each part may carry a fraction only
// when it is the last; a '$' ends the text). The code letter gives the
// largest degrees: 90 for N and S, 180 for Z, none for '*', 360 otherwise.
// A leading sign applies to every part.
DmsParts bufdms(const std::string& text, int n, char code);

struct Dms {
    int degrees = 0;
    int minutes = 0;
    double seconds = 0.0;
    int sign = 1;
};

// The angle brought into [-pi, pi] (written back) and split into degrees,
// minutes and seconds; seconds that round to 60 at 1e-5 carry. false (and
// nothing written) for a non-finite angle or one too far out to reduce.
bool todmsp(const Consts& consts, double& angle, Dms& out);

// 1.0 for 'E' ('N'), -1.0 for any other character.
double ew(char letter);
double ns(char letter);

}  // namespace tolv7
