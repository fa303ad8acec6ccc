// The program: runs the one of its ports that a start asks for: --headless picks the script run,
// any other start the port with a display. The page, a program of one port, always runs it.
#include <iterator>

#include "platform/system/Messages.h"
#include "start/Options.h"
#include "start/Ports.h"

platform::ControlFaceFinder ProgramControlFaces() {
  for (const Port* port : kPorts) {
    if (port->ControlFaces) return port->ControlFaces;
  }
  return nullptr;
}

int main(int argc, char** argv) {
  platform::UsePlayersLanguage();
  // The page's address is no command line: its one port takes whatever the page hands it.
  if (std::size(kPorts) == 1 && !kPorts[0]->Headless) return kPorts[0]->Run(argc, argv);
  // Options the program cannot read, --help and --version are any port's to answer: they all read
  // the command line the same way.
  const auto options = ParseOptions(argc, argv);
  if (!options || options->Help || options->Version) return kPorts[0]->Run(argc, argv);
  for (const Port* port : kPorts) {
    if (port->Headless == options->Headless) return port->Run(argc, argv);
  }
  platform::WriteMessage(options->Headless
                             ? _("this program has no run without a display (--headless)")
                             : _("this program has only a run without a display: use "
                                 "--headless --script FILE"));
  return 2;
}
