#include "PallixRead.h"

int main(int argc, char* argv[])
{
    return RunPallixRead(argc, argv);
}
