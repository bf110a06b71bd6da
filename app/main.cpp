#include "app/startup.h"

#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TessavalPlugin)

int main(int argc, char** argv) {
    return quendal_app::runTessaval(argc, argv);
}
