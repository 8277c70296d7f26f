#include "tests/support/TestRun.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    return ztv::test::runTests<QGuiApplication>(argc, argv);
}
