#include "app/Start.h"

int main(int argc, char **argv)
{
    return app::start(argc, argv);
}
