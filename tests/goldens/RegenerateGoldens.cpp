// regenerate-goldens: rewrites the golden files the simulator's tests compare with (the small boards'
// files from their maps, then every golden trace from tarnhollow-sim). Run after a deliberate change
// of the rules or a board, through the build's target regenerate_traces, and read the difference
// before committing it.
#include "support/GoldenTraces.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <cstdio>
#include <fstream>

int main()
{
    for (const SmallBoardFile& file : SmallBoardFiles()) {
        if (!file.Make().SaveFile(file.Path())) {
            std::fprintf(stderr, "regenerate-goldens: cannot write %s\n", file.Path().c_str());
            return 1;
        }
        std::printf("wrote %s\n", file.Path().c_str());
    }
    TempDir scratch;
    for (const GoldenTrace& golden : GoldenTraces()) {
        const ToolRun r = RunTool("tarnhollow-sim", golden.Arguments(), scratch);
        if (r.Status != 0) {
            std::fprintf(stderr, "regenerate-goldens: tarnhollow-sim failed for %s (status %d): %s\n",
                         golden.Path().c_str(), r.Status, r.Err.c_str());
            return 1;
        }
        std::ofstream out(golden.Path(), std::ios::binary | std::ios::trunc);
        out << r.Out;
        out.close();
        if (!out) {
            std::fprintf(stderr, "regenerate-goldens: cannot write %s\n", golden.Path().c_str());
            return 1;
        }
        std::printf("wrote %s\n", golden.Path().c_str());
    }
    return 0;
}
