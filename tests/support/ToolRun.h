// ToolRun: runs one of the project's command-line tools from build/bin (or any shell command) and
// collects its exit status and output.
#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

struct ToolRun
{
    int Status = -1;
    std::string Out;
    std::string Err;
};

// s in single quotes for the shell.
inline std::string ShellQuote(const std::string& s)
{
    std::string q(1, '\'');
    for (char c : s) {
        if (c == '\'') {
            q.append("'\\''");
        } else {
            q.push_back(c);
        }
    }
    q.push_back('\'');
    return q;
}

// Runs a shell command; its output goes through files in dir.
inline ToolRun RunCommand(std::string command, const TempDir& dir)
{
    command.append(" >").append(ShellQuote(dir.File("stdout.txt")));
    command.append(" 2>").append(ShellQuote(dir.File("stderr.txt")));
    const int raw = std::system(command.c_str());
    ToolRun r;
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const auto text = [](const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); };
    r.Out = text(TempDir::Read(dir.File("stdout.txt")));
    r.Err = text(TempDir::Read(dir.File("stderr.txt")));
    return r;
}

// Runs TARNHOLLOW_BIN_DIR/tool with args in folder (the current one when empty); its output goes
// through files in dir.
inline ToolRun RunTool(const std::string& tool, const std::vector<std::string>& args, const TempDir& dir,
                       const std::string& folder = {})
{
    std::string command;
    if (!folder.empty()) {
        command.append("cd ").append(ShellQuote(folder)).append(" && ");
    }
    command.append(ShellQuote(std::string(TARNHOLLOW_BIN_DIR) + "/" + tool));
    for (const auto& a : args) {
        command.push_back(' ');
        command.append(ShellQuote(a));
    }
    return RunCommand(std::move(command), dir);
}
