// tarnhollow-sim: the simulator's command line.
#include "Simulator.h"

#include <cstdio>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<SimOptions> options = ParseSimOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "tarnhollow-sim: %s\n%s", error.c_str(), SimUsage);
        return 2;
    }
    const SimStatus status = RunSimulator(*options, stdout);
    std::fflush(stdout);
    if (status.ExitCode != 0) {
        std::fprintf(stderr, "tarnhollow-sim: %s\n", status.Message.c_str());
    }
    return status.ExitCode;
}
