#pragma once

// What a shell command writes on its standard output, for tests that ask tools such as
// pdftotext about a file.

#include <cstdio>
#include <string>

inline std::string ShellOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}
