#include "startup.h"

int main(int argc, char *argv[])
{
    return vignetta::runApplication(argc, argv);
}
