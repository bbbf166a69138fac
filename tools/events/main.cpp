#include "tools/events/EventsTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunEventsTool(args, std::cout, std::cerr);
}
