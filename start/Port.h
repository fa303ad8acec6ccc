// Port: what a backend room's entry offers the program: how it plays the game (a window, a
// script, a page), and the system's face for the window's controls where it has one. The program
// holds the ports its build names (start/Ports.h, written by the build) and runs one of them.
#pragma once

#include "platform/toolkit/ControlFace.h"

struct Port {
  // Whether it plays without a display, the run --headless asks for.
  bool Headless = false;
  // Starts and plays the game with what the program was given; the program's exit status.
  int (*Run)(int argc, char** argv) = nullptr;
  // The system's face for the window's controls; null where the port has none.
  std::unique_ptr<platform::ControlFace> (*ControlFaces)(int pixelHeight) = nullptr;
};

// The face the program's ports find for the window's controls, so that a run without a display
// draws them as the window does; none draws them with the game's fonts.
platform::ControlFaceFinder ProgramControlFaces();
