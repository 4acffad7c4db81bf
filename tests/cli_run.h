#pragma once
// loopbeam-cli run as a user runs it, its outputs and status kept.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace loopbeam::cli {

struct CliRun {
    int status;
    std::string out, said;  // standard output and standard error
};

inline std::string readAll(std::FILE* file) {
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    return text;
}

// Runs the built binary through bash, with arguments already quoted for it.
inline CliRun runCli(const std::string& arguments, const std::string& environment = "") {
    std::FILE* said = std::tmpfile();
    const std::string command = "bash -c \"" + environment + " exec " + std::string(LOOPBEAM_CLI) + " " + arguments +
                                " 2>/dev/fd/" + std::to_string(fileno(said)) + "\"";
    std::FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, readAll(pipe), {}};
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::rewind(said);
    run.said = readAll(said);
    std::fclose(said);
    return run;
}

}  // namespace loopbeam::cli
