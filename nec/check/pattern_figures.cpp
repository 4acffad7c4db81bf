#include "nec/check/pattern_figures.h"

#include <algorithm>
#include <cmath>

#include "nec/model/pattern_grid.h"

namespace loopbeam::nec {
namespace {

struct Points {
    std::vector<double> degrees, gains;
    bool closed = false;  // round the whole circle: the last point lies next to the first
};

std::optional<std::size_t> neighbour(const Points& p, std::size_t i, int direction) {
    const std::size_t n = p.degrees.size();
    if (direction > 0) {
        if (i + 1 < n) return i + 1;
        return p.closed ? std::optional<std::size_t>(0) : std::nullopt;
    }
    if (i > 0) return i - 1;
    return p.closed ? std::optional<std::size_t>(n - 1) : std::nullopt;
}

// Up from the start to the lobe's peak: a start on the lobe's flank measures the same lobe.
std::size_t peakFrom(const Points& p, std::size_t start) {
    std::size_t peak = start;
    for (bool climbed = true; climbed;) {
        climbed = false;
        for (const int direction : {-1, 1}) {
            const auto next = neighbour(p, peak, direction);
            if (next && p.gains[*next] > p.gains[peak]) {
                peak = *next;
                climbed = true;
            }
        }
    }
    return peak;
}

// Where the gain first falls below the level, walking one way from the peak;
// the angle keeps counting past 360 or below 0.
std::optional<double> edge(const Points& p, std::size_t peak, double level, int direction) {
    std::size_t i = peak;
    double at = p.degrees[peak];
    for (std::size_t walked = 0; walked < p.degrees.size(); ++walked) {
        const auto next = neighbour(p, i, direction);
        if (!next) return std::nullopt;
        double step = p.degrees[*next] - p.degrees[i];
        if (direction > 0 && step <= 0) step += 360;
        if (direction < 0 && step >= 0) step -= 360;
        const double gain = p.gains[i], nextGain = p.gains[*next];
        if (nextGain < level) return at + (level - gain) * step / (nextGain - gain);
        i = *next;
        at += step;
    }
    return std::nullopt;
}

std::optional<HalfPowerLobe> lobe(const Points& p, std::size_t start) {
    if (p.degrees.size() < 3) return std::nullopt;
    const std::size_t peak = peakFrom(p, start);
    const double level = p.gains[peak] - 3;
    const auto from = edge(p, peak, level, -1), to = edge(p, peak, level, 1);
    if (!from || !to) return std::nullopt;
    return HalfPowerLobe{*from, *to};
}

}  // namespace

std::vector<ElevationPoint> elevationPlane(const std::vector<Direction>& cut) {
    std::vector<ElevationPoint> plane;
    for (const Direction& d : cut) {
        if (d.phi == 0) plane.push_back({90 - d.theta, d.gainDbi});
        if (d.phi == 180 && d.theta != 0) plane.push_back({90 + d.theta, d.gainDbi});  // straight up is taken once
    }
    std::sort(plane.begin(), plane.end(),
              [](const ElevationPoint& a, const ElevationPoint& b) { return a.elevationDegrees < b.elevationDegrees; });
    return plane;
}

std::vector<Direction> withFineWindow(const std::vector<Direction>& cut, const std::vector<Direction>& fine) {
    std::vector<Direction> merged = fine;
    for (const Direction& d : cut)
        if (std::none_of(fine.begin(), fine.end(),
                         [&](const Direction& f) { return std::abs(f.theta - d.theta) < kElevationStepDegrees / 2; }))
            merged.push_back(d);
    return merged;
}

std::optional<HalfPowerLobe> forwardLobe(const std::vector<PatternPoint>& azimuth) {
    Points p;
    p.closed = true;
    for (const PatternPoint& point : azimuth) {
        p.degrees.push_back(point.azimuthDegrees);
        p.gains.push_back(point.gainDbi);
    }
    const auto forward = std::find(p.degrees.begin(), p.degrees.end(), 0.0);
    if (forward == p.degrees.end()) return std::nullopt;
    return lobe(p, static_cast<std::size_t>(forward - p.degrees.begin()));
}

std::optional<HalfPowerLobe> lobeAt(const std::vector<ElevationPoint>& elevation, double elevationDegrees) {
    if (elevation.empty()) return std::nullopt;
    Points p;
    for (const ElevationPoint& point : elevation) {
        p.degrees.push_back(point.elevationDegrees);
        p.gains.push_back(point.gainDbi);
    }
    const auto nearest = std::min_element(p.degrees.begin(), p.degrees.end(), [&](double a, double b) {
        return std::abs(a - elevationDegrees) < std::abs(b - elevationDegrees);
    });
    return lobe(p, static_cast<std::size_t>(nearest - p.degrees.begin()));
}

}  // namespace loopbeam::nec
