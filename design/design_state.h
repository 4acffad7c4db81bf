#pragma once
// The one record of design variables that all three windows share. It is owned
// by the program and passed by reference; every field starts at zero and keeps
// its last written value for the life of the process.

#include <cstdint>

namespace loopbeam {

struct DesignState {
    float freq = 0;         // locked centre frequency, MHz
    std::int16_t awg = 0;   // gauge at the last calculation; 0 until the first
    float wireDia = 0;      // inches
    float diaRatio = 0;     // wire diameter in wavelengths
    float drivenConst = 0;  // feet x MHz
    float dirCount = 0;     // directors when STANDARD HIGH GAIN was last clicked
    float dirConst = 0;     // feet x MHz
    float refConst = 0;     // feet x MHz
    float corr = 0;         // drivenConst / 1020
    float dirLen = 0;       // feet, and the five lengths below
    float drvLen = 0;
    float refLen = 0;
    float spacing = 0;
    float boomLen = 0;
    float holeSpacing = 0;
    float matchLen = 0;  // feet
    float matchFeet = 0;
    float matchInches = 0;
    float velFactor = 0;
    float coaxIndex = 0;

    bool operator==(const DesignState&) const = default;
};

}  // namespace loopbeam
