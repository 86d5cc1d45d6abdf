#include "startup.h"

int main(int argc, char *argv[])
{
    return vignetta::app::runApplication(argc, argv);
}
