#include "mainapplication.h"

int main(int argc, char* argv[])
{
    MainApplication app(argc, argv);
    app.init();
    return app.exec();
}
