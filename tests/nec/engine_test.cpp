// The check against the real nec2c: a deck written by hand, figures in sane
// bands, the segment rule converged, failures reported, nothing left behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sstream>

#include "../engine_fakes.h"
#include "nec/check/check.h"
#include "nec/engine/engine_run.h"
#include "nec/engine/nec2c_output.h"
#include "nec/engine/output_size.h"
#include "nec/model/deck_writer.h"
#include "nec2c_printout.h"
#include "sample_designs.h"

namespace loopbeam::nec {
namespace {

// 14.2 MHz, 3 elements: half sides 73.89706, 70.77465, 67.65224 ft x 0.3048 / 8,
// spacing 11.42892 ft = 3.483534816 m, AWG 14 radius 0.0008128 m, 13 segments
// a side on the reflector and 11 on the others, fed at the driven loop's
// bottom centre, copper.
constexpr const char* kReferenceDeck = R"(CM reference: 14.2 MHz 3 element quad, written by hand
CE
GW 1 13 0 -2.815477986 -2.815477986 0 2.815477986 -2.815477986 0.0008128
GW 2 13 0 2.815477986 -2.815477986 0 2.815477986 2.815477986 0.0008128
GW 3 13 0 2.815477986 2.815477986 0 -2.815477986 2.815477986 0.0008128
GW 4 13 0 -2.815477986 2.815477986 0 -2.815477986 -2.815477986 0.0008128
GW 5 11 3.483534816 -2.696514165 -2.696514165 3.483534816 2.696514165 -2.696514165 0.0008128
GW 6 11 3.483534816 2.696514165 -2.696514165 3.483534816 2.696514165 2.696514165 0.0008128
GW 7 11 3.483534816 2.696514165 2.696514165 3.483534816 -2.696514165 2.696514165 0.0008128
GW 8 11 3.483534816 -2.696514165 2.696514165 3.483534816 -2.696514165 -2.696514165 0.0008128
GW 9 11 6.967069632 -2.577550344 -2.577550344 6.967069632 2.577550344 -2.577550344 0.0008128
GW 10 11 6.967069632 2.577550344 -2.577550344 6.967069632 2.577550344 2.577550344 0.0008128
GW 11 11 6.967069632 2.577550344 2.577550344 6.967069632 -2.577550344 2.577550344 0.0008128
GW 12 11 6.967069632 -2.577550344 2.577550344 6.967069632 -2.577550344 -2.577550344 0.0008128
GE 0
LD 5 0 0 0 5.8E7
EX 0 5 6 0 1 0
FR 0 1 0 0 13.9969 0
RP 0 1 1 1000 90 0 0 0
FR 0 1 0 0 14.2 0
RP 0 1 1 1000 90 0 0 0
FR 0 1 0 0 14.403 0
RP 0 1 1 1000 90 0 0 0
EN
)";

TEST(Engine, TheCheckAgreesWithADeckWrittenByHand) {
    const auto output = runNec2c({{kReferenceDeck, 3, 60}}, {});
    ASSERT_TRUE(output) << output.error().message;
    const std::vector<Figures> reference = referenceFigures(output->front());
    ASSERT_EQ(reference.size(), 3u);

    auto model = buildModel(quad14MHz(), {});
    ASSERT_TRUE(model);
    std::vector<double> progress;
    RunControl control;
    control.progress = [&](double fraction) { progress.push_back(fraction); };
    const auto result = runCheck(*model, control);
    ASSERT_TRUE(result) << result.error().message;
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 1.0);
    const double frequencies[] = {13.9969, 14.2, 14.403};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(frequencies[i]);
        const auto point = std::find_if(result->sweep.begin(), result->sweep.end(),
                                        [&](const FrequencyPoint& p) { return p.mhz == frequencies[i]; });
        ASSERT_NE(point, result->sweep.end());
        EXPECT_NEAR(point->feedImpedance.real(), reference[i].r, 0.005 * std::abs(reference[i].r));
        EXPECT_NEAR(point->feedImpedance.imag(), reference[i].x, 0.005 * std::abs(reference[i].x));
        EXPECT_NEAR(point->forwardGainDbi, reference[i].gain, 0.005 * std::abs(reference[i].gain));
    }
    // A quick model of the same quad: about 76 - j19 ohms and 8.5 dBi (lossless).
    EXPECT_NEAR(reference[1].r, 76, 4);
    EXPECT_NEAR(reference[1].x, -19, 4);
    EXPECT_NEAR(reference[1].gain, 8.5, 0.4);
}

// The same deck with 0.5 mm of PVC on its AWG 14 wire, worked by hand:
// 2e-7 (1 - 1/3.5) ln(1.3128 / 0.8128) = 6.84904e-8 H/m on every segment.
std::string insulatedReferenceDeck() {
    std::string deck = kReferenceDeck;
    const std::string copper = "LD 5 0 0 0 5.8E7\n";
    return deck.insert(deck.find(copper) + copper.size(), "LD 2 0 0 0 0 6.84904E-8\n");
}

// The model's sweep cut to the estimated edges and the locked frequency.
Outcome<CheckResult> checkAtThree(const QuadDesign& design, const CheckOptions& options) {
    auto model = buildModel(design, options);
    if (!model) return Refused{model.error()};
    model->sweep = {{design.estimatedLowMHz, design.lockedMHz, design.estimatedHighMHz}, 1, 0, 2, {}};
    return runCheck(*model);
}

const CheckOptions kPvcInsulated{.insulation = insulationOf(0.5, Dielectric::Pvc)};

TEST(Engine, TheInsulatedCheckAgreesWithADeckWrittenByHand) {
    const auto output = runNec2c({{insulatedReferenceDeck(), 3, 60}}, {});
    ASSERT_TRUE(output) << output.error().message;
    const std::vector<Figures> reference = referenceFigures(output->front());
    ASSERT_EQ(reference.size(), 3u);
    const auto result = checkAtThree(quad14MHz(), kPvcInsulated);
    ASSERT_TRUE(result) << result.error().message;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(result->sweep[i].mhz);
        const std::complex<double> z = result->sweep[i].feedImpedance, hand(reference[i].r, reference[i].x);
        EXPECT_LT(std::abs(z - hand), 0.005 * std::abs(hand)) << z << " against " << hand;
    }
    // Our own model of it: about 65 + j47 ohms at 14.2 MHz.
    EXPECT_NEAR(reference[1].r, 65, 4);
    EXPECT_NEAR(reference[1].x, 47, 4);
}

// Builders measure insulated loops resonating 2 to 3.5% below bare ones.
TEST(Engine, InsulationMovesTheResonanceDown) {
    auto bare = buildModel(quad14MHz(), {}), insulated = buildModel(quad14MHz(), kPvcInsulated);
    ASSERT_TRUE(bare && insulated);
    const auto bareResult = runCheck(*bare), insulatedResult = runCheck(*insulated);
    ASSERT_TRUE(bareResult && insulatedResult);
    ASSERT_FALSE(bareResult->summary.resonancesMHz.empty() || insulatedResult->summary.resonancesMHz.empty());
    const double shift = 1 - insulatedResult->summary.resonancesMHz.front() / bareResult->summary.resonancesMHz.front();
    EXPECT_GT(shift, 0.015);
    EXPECT_LT(shift, 0.04);
}

// Our own model of the 14.2 MHz design at 12 m: about 13.1, 12.4 and 11.3 dBi.
TEST(Engine, TheSoilOrdersTheForwardGain) {
    double higher = INFINITY;
    for (const auto& [soil, aboutDbi] :
         {std::pair{Soil::SaltWater, 13.1}, {Soil::Average, 12.4}, {Soil::VeryDry, 11.3}}) {
        SCOPED_TRACE(aboutDbi);
        const auto result = checkAtThree(quad14MHz(), {.boomHeightMetres = 12.0, .soil = soil});
        ASSERT_TRUE(result) << result.error().message;
        EXPECT_NEAR(result->summary.gainAtLockedDbi, aboutDbi, 0.3);
        EXPECT_LT(result->summary.gainAtLockedDbi, higher);
        higher = result->summary.gainAtLockedDbi;
    }
}

// The deck given to people, read as another NEC-2 program reads it: its cards
// in order, the locked frequency on a step of its one FR card, and there the
// feed impedance the check found.
TEST(Engine, ThePortableDeckRunsAsTheCheck) {
    struct Case {
        CheckOptions options;
        std::optional<double> elevation;
        double rpTheta;
    };
    const Case cases[] = {
        {{}, std::nullopt, 90},
        {{.boomHeightMetres = 15.0}, 17.0, 73},
        {{.boomHeightMetres = 15.0}, std::nullopt, 69},  // asin(21.11 m / 60 m) = 20.6 degrees
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rpTheta);
        const auto model = buildModel(quad14MHz(), c.options);
        ASSERT_TRUE(model);
        const std::string deck = writePortableDeck(*model, c.elevation);
        std::string kinds, frCard, rpCard;
        std::istringstream lines(deck);
        for (std::string line; std::getline(lines, line);) {
            const std::string kind = line.substr(0, 2);
            if (kinds.empty() || kinds.substr(kinds.size() - 2) != kind) kinds += kind;
            if (kind == "FR") frCard = line;
            if (kind == "RP") rpCard = line;
        }
        EXPECT_EQ(kinds, c.options.boomHeightMetres ? "CMCEGWGELDGNEXFRRPEN" : "CMCEGWGELDEXFRRPEN");
        EXPECT_EQ(deck.find("\nPT"), std::string::npos);
        EXPECT_EQ(deck.find("\nPQ"), std::string::npos);
        std::istringstream fr(frCard.substr(3)), rp(rpCard.substr(3));
        int kind, count, unused, ground, thetas, phis, xnda;
        double start, step, theta, phi, thetaStep, phiStep;
        fr >> kind >> count >> unused >> unused >> start >> step;
        rp >> ground >> thetas >> phis >> xnda >> theta >> phi >> thetaStep >> phiStep;
        EXPECT_EQ(kind, 0);  // linear steps
        EXPECT_GE(count, 41);
        EXPECT_LE(start, 13.9969);
        EXPECT_GE(start + (count - 1) * step, 14.403);
        EXPECT_EQ(std::vector<double>({double(thetas), double(phis), theta, phi, phiStep}),
                  std::vector<double>({1, 72, c.rpTheta, 0, 5}));
        const int locked = static_cast<int>(std::lround((14.2 - start) / step));
        EXPECT_NEAR(start + locked * step, 14.2, 1e-9);
        if (c.options.boomHeightMetres && !c.elevation) continue;  // the same deck's cards as the case before

        const auto output = runNec2c({{deck, static_cast<std::size_t>(count), 300}}, {});
        ASSERT_TRUE(output) << output.error().message;
        const std::vector<Figures> figures = referenceFigures(output->front());
        ASSERT_EQ(figures.size(), static_cast<std::size_t>(count));
        const auto check = checkAtThree(quad14MHz(), c.options);
        ASSERT_TRUE(check) << check.error().message;
        const std::complex<double> z = check->sweep[1].feedImpedance, read(figures[locked].r, figures[locked].x);
        EXPECT_LT(std::abs(read - z), 0.001 * std::abs(z)) << read << " against " << z;
    }
}

struct Band {
    double low, high;
};

TEST(Engine, OtherDesignsGiveFiguresInSaneBands) {
    struct Case {
        QuadDesign design;
        CheckOptions options;
        Band gain, elevation;
    };
    const auto designs = sampleDesigns();
    const Case cases[] = {
        {designs[1], {}, {8, 12}, {0, 0}},
        {designs[2], {}, {9, 13}, {0, 0}},
        {designs[3], {LoopShape::Diamond, std::nullopt}, {8, 12}, {0, 0}},
        {designs[0], {LoopShape::Square, 15.0}, {11, 16}, {10, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design.description.front());
        auto model = buildModel(c.design, c.options);
        ASSERT_TRUE(model);
        const auto result = runCheck(*model);
        ASSERT_TRUE(result) << result.error().message;
        const CheckSummary& s = result->summary;
        const FrequencyPoint& locked = result->sweep[model->sweep.lockedIndex];
        EXPECT_GT(locked.feedImpedance.real(), 20);
        EXPECT_LT(locked.feedImpedance.real(), 200);
        ASSERT_FALSE(s.resonancesMHz.empty());
        EXPECT_NEAR(s.resonancesMHz.front(), c.design.lockedMHz, 0.05 * c.design.lockedMHz);
        EXPECT_LT(s.lowestThroughSection.swr, 2.5);
        EXPECT_GT(s.gainAtLockedDbi, c.gain.low);
        EXPECT_LT(s.gainAtLockedDbi, c.gain.high);
        EXPECT_GT(s.frontToBackAtLockedDb, 8);
        EXPECT_GE(s.elevationDegrees, c.elevation.low);
        EXPECT_LE(s.elevationDegrees, c.elevation.high);
        EXPECT_EQ(result->azimuthPattern.size(), 72u);
        // The vertical plane through the boom every degree: round in free space, the upper half over ground,
        // there every 0.1 degree around the lobe too.
        if (c.options.boomHeightMetres)
            EXPECT_GT(result->elevationPattern.size(), 181u + 2 * 20);
        else
            EXPECT_EQ(result->elevationPattern.size(), 361u);
    }
}

// Twice the segments a wavelength: at the locked frequency the feed impedance
// moves by less than 1%; at the estimated edges, where |Z| is small and the SWR
// high, by less than 3%.
TEST(Engine, AFinerSegmentationMovesTheFeedImpedanceByLessThanOnePerCent) {
    const auto designs = sampleDesigns();
    for (const auto& [design, shape] : {std::pair{designs[0], LoopShape::Square},
                                        {designs[0], LoopShape::Diamond},
                                        {designs[2], LoopShape::Square},
                                        {designs[2], LoopShape::Diamond}}) {
        SCOPED_TRACE(design.description.front() + (shape == LoopShape::Square ? " square" : " diamond"));
        CheckOptions options{shape, std::nullopt};
        auto model = buildModel(design, options);
        options.segmentsPerWavelength *= 2;
        auto finer = buildModel(design, options);
        ASSERT_TRUE(model && finer);
        ASSERT_GT(finer->totalSegments(), 3 * model->totalSegments() / 2);
        model->sweep =
            finer->sweep = {{design.estimatedLowMHz, design.lockedMHz, design.estimatedHighMHz}, 1, 0, 2, {}};
        const auto coarse = runCheck(*model), fine = runCheck(*finer);
        ASSERT_TRUE(coarse && fine);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto z = coarse->sweep[i].feedImpedance, zFine = fine->sweep[i].feedImpedance;
            EXPECT_LT(std::abs(zFine - z) / std::abs(zFine), i == 1 ? 0.01 : 0.03) << z << " against " << zFine;
        }
    }
}

// An engine given as a script is written into a scratch folder; it is called
// as nec2c is: -i DECK -o OUTPUT.
TEST(Engine, FailuresSayWhatWentWrong) {
    struct Case {
        const char* engine;
        const char* deck;
        const char* says;
    };
    const Case cases[] = {
        {"/nonexistent/nec2c", kReferenceDeck, "was not found. Install nec2c"},
        {"/bin/false", kReferenceDeck, "exit status 1"},
        {"nec2c", "CM x\nCE\nGW 1 5 0 0 0 0 0 1 0.001\nGE 0\nEX 0 7 3 0 1 0\nFR 0 1 0 0 14 0\nXQ\nEN\n",
         "nec2c refused its input: NO SEGMENT HAS AN ITAG OF 7"},
        {"nec2c", kReferenceDeck, "6 frequencies asked, 3 answered"},
        {"script: printf 'a table\\nits last line\\n' > \"$4\"; kill -SEGV $$", kReferenceDeck,
         "ended by signal 11 (Segmentation fault): its last line"},
        {"script: printf 'said \\033[2J in colour\\n' >&2; exit 2", kReferenceDeck,
         "exit status 2: said ?[2J in colour"},
        {"script: head -c 40000000 /dev/zero > \"$4\"", kReferenceDeck, "wrote more than 4 MB for 3 frequencies"},
        {"script: head -c 2000000 /dev/zero", kReferenceDeck, "more than 1 MB of messages"},
    };
    test::ScratchDir scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        RunControl control;
        const std::string_view engine = c.engine, script = "script: ";
        control.enginePath = engine.starts_with(script)
                                 ? test::writeScript(scratch.path / "nec2c", c.engine + script.size()).string()
                                 : c.engine;
        auto output = runNec2c({{c.deck, 3, 60}}, control);
        if (output) {  // the engine ran: the reading must refuse
            std::vector<FrequencyRequest> six(6, FrequencyRequest{14.2, false});
            auto read = readNec2cOutput(output->front(), six, {5, 6, 58}, false);
            ASSERT_FALSE(read);
            EXPECT_NE(read.error().message.find(c.says), std::string::npos) << read.error().message;
            continue;
        }
        const std::string& message = output.error().message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;  // one line of the engine's text at most
    }
}

// What nec2c writes, against what the cap reckons the deck asks for: in all
// and for each added frequency (the locked one adds the whole azimuth).
TEST(Engine, TheOutputEstimateIsJustAboveWhatNec2cWrites) {
    for (const std::optional<double> height : {std::optional<double>{}, std::optional<double>{12.0}}) {
        SCOPED_TRACE(height ? "over ground" : "free space");
        auto model = buildModel(quad14MHz(), {.boomHeightMetres = height});
        ASSERT_TRUE(model);
        const std::vector<FrequencyRequest> one{{14.2, true}}, three{{14.2, true}, {14.0, false}, {14.4, false}};
        const std::string decks[] = {writeDeck(*model, one), writeDeck(*model, three)};
        const auto outputs = runNec2c({{decks[0], 1, 60}, {decks[1], 3, 60}}, {});
        ASSERT_TRUE(outputs) << outputs.error().message;
        double written[2], expected[2];
        for (int i = 0; i < 2; ++i) {
            written[i] = static_cast<double>((*outputs)[i].size());
            expected[i] = outputSizeOf(decks[i]).expectedBytes;
            EXPECT_GE(expected[i], written[i]);
            EXPECT_LE(expected[i], 1.35 * written[i]);  // the listing's fixed share reckoned generously
        }
        const double perFrequency = (written[1] - written[0]) / 2;
        RecordProperty(height ? "bytes_per_frequency_over_ground" : "bytes_per_frequency_free_space",
                       std::to_string(perFrequency));
        EXPECT_GE((expected[1] - expected[0]) / 2, perFrequency);
        EXPECT_LE((expected[1] - expected[0]) / 2, 1.15 * perFrequency);
    }
}

// Too much output from an engine still running stops it; from one that has
// finished, it is only not read. The first looks at the engine come after
// it has finished when `started` waits for that.
TEST(Engine, TooMuchOutputIsWordedForAnEngineRunningOrFinished) {
    test::ScratchDir scratch;
    for (const bool finished : {true, false}) {
        SCOPED_TRACE(finished ? "finished" : "running");
        RunControl control;
        control.enginePath =
            test::writeScript(scratch.path / "nec2c",
                              std::string("head -c 40000000 /dev/zero > \"$4\"") + (finished ? "" : "; exec sleep 600"))
                .string();
        if (finished)
            control.started = [](const std::vector<pid_t>& pids, const std::string&) {
                siginfo_t info;
                for (const pid_t pid : pids) waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
            };
        const auto output = runNec2c({{kReferenceDeck, 3, 60}}, control);
        ASSERT_FALSE(output);
        EXPECT_NE(output.error().message.find(finished ? "MB; none of it is read." : "MB, and was stopped."),
                  std::string::npos)
            << output.error().message;
    }
}

TEST(Engine, CancelledOrTimedOutRunsLeaveNoProcessAndNoFile) {
    auto model = buildModel(quadOfMinutes(), {});
    ASSERT_TRUE(model);
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "timed out");
        CancelHandle handle;
        std::vector<pid_t> children;
        std::string directory;
        RunControl control;
        control.cancel = &handle;
        control.parallelRuns = 2;
        if (!cancel) control.timeoutSeconds = 0.5;
        control.started = [&](const std::vector<pid_t>& pids, const std::string& dir) {
            children = pids;
            directory = dir;
            if (cancel) handle.cancel();
        };
        const auto start = std::chrono::steady_clock::now();
        const auto result = runCheck(*model, control);
        ASSERT_FALSE(result);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        if (cancel)
            EXPECT_EQ(result.error().message, kCancelledMessage);
        else
            EXPECT_NE(result.error().message.find("took longer than"), std::string::npos);
        ASSERT_EQ(children.size(), 2u);
        for (pid_t pid : children) {
            EXPECT_EQ(kill(pid, 0), -1);
            EXPECT_EQ(errno, ESRCH);  // gone, and reaped: not even a zombie
            EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1);
        }
        EXPECT_FALSE(std::filesystem::exists(directory));
    }
}

}  // namespace
}  // namespace loopbeam::nec
