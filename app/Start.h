#pragma once

namespace app {

// The start routine: runs the whole life of the program and returns its exit code.
int start(int argc, char **argv);

} // namespace app
