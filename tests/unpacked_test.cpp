// The program as a package installs it (path in LORENTZ_DEMO_PROGRAM), driven
// through XTest: its window opens, F1 draws the diagram, q exits with 0.
#include "startView.h"
#include "xdriver.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(UnpackedProgram, OpensDrawsTheDiagramAndQuits) {
    const char* program = std::getenv("LORENTZ_DEMO_PROGRAM");
    ASSERT_NE(program, nullptr) << "LORENTZ_DEMO_PROGRAM names the program to run";
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "this test needs an X display";
    DemoSession s;
    std::string error;
    ASSERT_TRUE(startDemo(s, program, {}, error)) << error;

    tapKey(s, XK_F1);
    EXPECT_TRUE(waitForColour(s, column(0), row(1.5), {255, 0, 0}, 1)) << "no time axis";
    EXPECT_TRUE(waitForColour(s, column(0), row(0.5), {0, 255, 255}, 0)) << "no clock";
    EXPECT_FALSE(isBlank(grabSettled(s)));

    tapKey(s, XK_q);
    ASSERT_TRUE(waitForExit(s, 5000)) << "no exit after q";
    EXPECT_EQ(s.exitStatus, 0);
    stopDemo(s);
}
