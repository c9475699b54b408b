// tarnhollow-sim: the simulator's command line.
#include "SimCommand.h"

#include <cstdio>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<SimCommand> command = ParseSimCommand(args, error);
    if (!command) {
        std::fprintf(stderr, "tarnhollow-sim: %s\n%s", error.c_str(), SimUsage);
        return SimExit::BadInput;
    }
    const SimStatus status = RunSimCommand(*command, stdout);
    std::fflush(stdout);
    if (status.ExitCode != SimExit::Ok) {
        std::fprintf(stderr, "tarnhollow-sim: %s\n", status.Message.c_str());
    }
    return status.ExitCode;
}
