// Writes the hand-class weights the engine gives the grammar test texts to
// the file named on the command line (standard output without one): the
// fixture tests/qml/data/range_class_weights.json.
#include "range_class_weights.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    try {
        const std::string json = quendal_app::testing::range_class_weights_json();
        if (argc < 2) {
            std::cout << json;
            return 0;
        }
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        file << json;
        return file.good() ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
