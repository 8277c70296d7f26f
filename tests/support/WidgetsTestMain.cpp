#include "tests/support/TestRun.h"

#include <QApplication>

int main(int argc, char** argv) {
    return ztv::test::runTests<QApplication>(argc, argv);
}
