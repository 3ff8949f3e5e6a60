// Which built programs the end-to-end cases run, and through what launcher.
// The same cases serve the native programs and the Windows images, which
// run through a launcher such as wine; CTest passes both in as flags.
#pragma once

#include <string>
#include <vector>

namespace end_to_end {

enum class Program { Rowlay, Collay };

// Takes --rowlay=PATH, --collay=PATH and --launcher=COMMAND out of argv.
void takeProgramFlags(int& argc, char** argv);

// The command line that starts `program` with `arguments`; fails the
// calling test if that program was not given.
std::vector<std::string> commandFor(Program program,
                                    const std::vector<std::string>& arguments = {});

bool isWindowsImage(Program program);

// The line end the program's C runtime writes in text mode: "\r\n" for a
// Windows image, "\n" for a native program.
std::string textModeLineEnd(Program program);

}  // namespace end_to_end
