// Speed and numerical health of the demo, on a real window (Xvfb + llvmpipe in
// the script): how far boostMatrix drifts from a Lorentz transformation over
// long random drags, then Google Benchmark timings of every demonstration's
// frame against a bare clear + swap frame at 512x512 and 1920x1080 (printed
// as ratios), of one motion event per gesture, and of the boost math.
#include "app/sceneSettings.h"
#include "app/startup.h"
#include "app/state.h"
#include "input/mouse.h"
#include "lorentzDefect.h"
#include "relativity/matrix4.h"
#include "scenes/display.h"

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {
const int frameSizes[][2] = {{512, 512}, {1920, 1080}};
const double frameRatioGoal = 1.5;
const double motionGoalNs = 2000.0;

void openBenchWindow(int& argc, char** argv) {
    openWindow(&argc, argv);
    glutPositionWindow(0, 0);
    initState();
    initGraphics();
    registerCallbacks();
    glutDisplayFunc([] {}); // frames are drawn by the benchmarks alone
}

// stdout to /dev/null and back: the reshape reports and the fifth-button
// trace lines would otherwise bury the results
void muteStdout(bool mute) {
    static int saved = -1;
    std::fflush(stdout);
    if (mute) {
        saved = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    } else {
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }
}

// Resizes the real window and waits until X and freeglut agree on the size.
void setWindowSize(int width, int height) {
    muteStdout(true);
    glutReshapeWindow(width, height);
    for (int i = 0;
         i < 200 && (glutGet(GLUT_WINDOW_WIDTH) != width || glutGet(GLUT_WINDOW_HEIGHT) != height);
         ++i) {
        glutMainLoopEvent();
    }
    muteStdout(false);
}

// One user-like drag step: a motion event of up to 8 px each way.
void randomDragStep(std::mt19937& rng) {
    std::uniform_int_distribution<int> delta(-8, 8);
    onMotion(lastMouseX + delta(rng), windowHeight - 1 - (lastMouseY + delta(rng)));
}

void reportDrift() {
    std::printf("Drift of boostMatrix from a Lorentz transformation after random drag steps\n"
                "(largest element of M^T eta M - eta; relative = divided by the largest\n"
                "element of M squared; gamma = M's time-time element)\n");
    std::printf("%-6s %8s %14s %14s %14s\n", "demo", "steps", "absolute", "relative", "gamma");
    for (int demo : {1, 4}) {
        std::mt19937 rng(static_cast<unsigned>(demo));
        currentDemo = demo;
        resetView();
        buttonMask = 1;
        mouseModifiers = 0;
        int done = 0;
        for (int steps : {1000, 10000, 100000}) {
            for (; done < steps; ++done) {
                randomDragStep(rng);
            }
            double absolute = 0.0;
            const double relative = lorentzDefect(boostMatrix, demo == 4, &absolute);
            const double gamma = demo == 4 ? boostMatrix.m[10] : boostMatrix.m[5];
            std::printf("%-6d %8d %14.3e %14.3e %14.6g\n", demo, steps, absolute, relative, gamma);
        }
        buttonMask = 0;
    }
    resetView();
    std::printf("\n");
}

// frames
void bareFrame(benchmark::State& state) {
    setWindowSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
}

void demoFrame(benchmark::State& state) {
    setWindowSize(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    currentDemo = static_cast<int>(state.range(0));
    scenesShown = state.range(3) != 0;
    makeBoostX(0.3, lorentzFactor(0.3), boostMatrix);
    for (auto _ : state) {
        onDisplay();
        glFinish();
    }
    resetView();
    scenesShown = false;
}

// one motion event of a gesture, back and forth so that nothing accumulates
void motionEvent(benchmark::State& state) {
    currentDemo = static_cast<int>(state.range(1));
    buttonMask = static_cast<int>(state.range(0));
    mouseModifiers = 0;
    resetView();
    int direction = 1;
    muteStdout(true);
    for (auto _ : state) {
        onMotion(lastMouseX + 3 * direction, windowHeight - 1 - (lastMouseY + 2 * direction));
        direction = -direction;
    }
    muteStdout(false);
    buttonMask = 0;
    resetView();
}

void multiplyBench(benchmark::State& state) {
    Matrix4 a, b;
    makeBoost(0.6, 0.8, 0.3, lorentzFactor(0.3), a);
    makeBoostX(0.2, lorentzFactor(0.2), b);
    for (auto _ : state) {
        multiplyMatrix4(a, b, b);
        benchmark::DoNotOptimize(b);
    }
}

void boostXBench(benchmark::State& state) {
    Matrix4 m;
    double beta = 0.01;
    for (auto _ : state) {
        makeBoostX(beta, lorentzFactor(beta), m);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(beta);
    }
}

void boostBench(benchmark::State& state) {
    Matrix4 m;
    double beta = 0.3;
    for (auto _ : state) {
        makeBoost(0.6, 0.8, beta, lorentzFactor(beta), m);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(beta);
    }
}

// collects mean times per run name for the ratio table
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> meanNs;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            meanNs[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// each demonstration's frame; 5 to 11 also with their scenes (LORENTZ_SCENES=1)
const std::pair<int, int> frameDemos[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},  {5, 1},
                                          {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}};

void registerBenchmarks() {
    for (const auto& size : frameSizes) {
        benchmark::RegisterBenchmark("frame/bare", bareFrame)
            ->Args({size[0], size[1]})
            ->Unit(benchmark::kMicrosecond);
        for (const auto& [demo, scenes] : frameDemos) {
            benchmark::RegisterBenchmark("frame/demo", demoFrame)
                ->Args({demo, size[0], size[1], scenes})
                ->Unit(benchmark::kMicrosecond);
        }
    }
    const struct {
        const char* name;
        int mask, demo;
    } gestures[] = {{"boost-x", 1, 1},     {"boost-3d", 1, 4},     {"turnaround", 2, 3},
                    {"pan", 3, 1},         {"rotate", 4, 1},       {"view-axis", 32, 1},
                    {"fifth+left", 33, 1}, {"fifth+middle", 34, 1}};
    for (const auto& g : gestures) {
        benchmark::RegisterBenchmark((std::string("motion/") + g.name).c_str(), motionEvent)
            ->Args({g.mask, g.demo});
    }
    benchmark::RegisterBenchmark("math/multiplyMatrix4", multiplyBench);
    benchmark::RegisterBenchmark("math/makeBoostX", boostXBench);
    benchmark::RegisterBenchmark("math/makeBoost", boostBench);
}

void printRatios(const RatioReporter& reporter) {
    std::printf("\nFrame time against a bare clear + swap (goal: at most %.1fx)\n", frameRatioGoal);
    for (const auto& size : frameSizes) {
        const std::string suffix = "/" + std::to_string(size[0]) + "/" + std::to_string(size[1]);
        const auto bare = reporter.meanNs.find("frame/bare" + suffix);
        if (bare == reporter.meanNs.end()) {
            continue;
        }
        for (const auto& [demo, scenes] : frameDemos) {
            const auto it = reporter.meanNs.find("frame/demo/" + std::to_string(demo) + suffix +
                                                 "/" + std::to_string(scenes));
            if (it != reporter.meanNs.end()) {
                const double ratio = it->second / bare->second;
                std::printf("  %4dx%-4d demo %d%s: %6.2fx %s\n", size[0], size[1], demo,
                            scenes ? " (scene)" : "", ratio,
                            ratio <= frameRatioGoal ? "" : "(over the goal)");
            }
        }
    }
    std::printf("Motion events (goal: at most %.0f ns each)\n", motionGoalNs);
    for (const auto& [name, ns] : reporter.meanNs) {
        if (name.rfind("motion/", 0) == 0) {
            std::printf("  %-28s %8.0f ns %s\n", name.c_str(), ns,
                        ns <= motionGoalNs ? "" : "(over the goal)");
        }
    }
}
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    openBenchWindow(argc, argv);
    setWindowSize(512, 512);
    reportDrift();
    registerBenchmarks();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
