#include "shell/ChamberApp.h"

int main(int argc, char** argv)
{
    CChamberApp app(argc, argv);
    return AfxWinMain(app);
}
