#include "player/ui/CloseRequest.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <future>

namespace ztv::test {
namespace {

TEST(CloseRequest, AnotherProgramClosesTheWindowByItsTitle) {
    CloseRequestServer server(QStringLiteral("Form1"));
    ASSERT_TRUE(server.isListening());
    int requests = 0;
    QObject::connect(&server, &CloseRequestServer::closeRequested, [&] { ++requests; });
    auto answer = std::async(std::launch::async, [] { return sendCloseRequest("Form1", 5000); });
    QElapsedTimer waited;
    waited.start();
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(answer.get());
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(sendCloseRequest(QStringLiteral("NoSuchWindow"), 200));
}

}  // namespace
}  // namespace ztv::test
