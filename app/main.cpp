#include "app/startup.h"

int main(int argc, char** argv) {
    return quendal_app::runTessaval(argc, argv);
}
