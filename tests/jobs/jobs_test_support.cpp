#include "jobs_test_support.h"

#include "service_config.h"

#include <QtTest>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThreadPool>

#include <atomic>

namespace {

std::atomic<bool> queue_warning{false};
QtMessageHandler previous_handler = nullptr;

void note_queue_warnings(QtMsgType type, const QMessageLogContext& context,
                         const QString& message)
{
    if (message.contains(QStringLiteral("Cannot queue arguments"))) {
        queue_warning.store(true);
    }
    if (previous_handler != nullptr) {
        previous_handler(type, context, message);
    }
}

}  // namespace

PauseRecorder::PauseRecorder(size_t held) : held_pause(held)
{
    Geoservices::set_pause_function(
        [this](std::chrono::milliseconds duration) { pause(duration); });
}

PauseRecorder::~PauseRecorder()
{
    release();
    Geoservices::set_pause_function(nullptr);
}

std::vector<long> PauseRecorder::pauses() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return v_pauses;
}

void PauseRecorder::release()
{
    std::lock_guard<std::mutex> lock(mutex);
    released = true;
    released_signal.notify_all();
}

void PauseRecorder::pause(std::chrono::milliseconds duration)
{
    std::unique_lock<std::mutex> lock(mutex);
    v_pauses.push_back(static_cast<long>(duration.count()));
    if (v_pauses.size() == held_pause + 1) {
        released_signal.wait(lock, [this] { return released; });
    }
}

std::vector<std::string> client_row(const std::string& s_name, const std::string& s_lat,
                                    const std::string& s_lon, const std::string& s_address,
                                    const std::string& s_number)
{
    return {s_name, s_address, s_number, "Centre", "Town", "", "", s_lat, s_lon};
}

std::string route_script(const std::string& s_route, const std::vector<std::string>& v_answers)
{
    std::string s_list;
    for (const std::string& s_answer : v_answers) {
        s_list += (s_list.empty() ? "" : ",") + s_answer;
    }
    return R"({"routes":{")" + s_route + R"(":[)" + s_list + "]}}";
}

std::string nominatim_found(const std::string& s_lat, const std::string& s_lon)
{
    return R"({"json":[{"lat":")" + s_lat + R"(","lon":")" + s_lon + R"("}]})";
}

const std::string k_nominatim_nothing = R"({"json":[]})";

bool finish(const QFuture<void>& future)
{
    QElapsedTimer timer;
    timer.start();
    while (!future.isFinished() && timer.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QCoreApplication::sendPostedEvents();
    if (!future.isFinished()) {
        return false;
    }
    settle_thread_pool();
    return true;
}

void settle_thread_pool()
{
    QThreadPool::globalInstance()->waitForDone();
}

void JobsTestBase::initTestCase()
{
    previous_handler = qInstallMessageHandler(note_queue_warnings);
    QVERIFY2(stub.start(), "the loopback stand-in did not start");
    point_services_at(stub);
    stub.set_script(R"({"routes":{}})");
}

void JobsTestBase::cleanupTestCase()
{
    // Pool threads that end before the program does free their TLS state; one still
    // alive at exit shows it to LeakSanitizer as lost.
    settle_thread_pool();
    Geoservices::set_endpoints(Geoservices::default_endpoints());
}

void JobsTestBase::init()
{
    settle_thread_pool();
}

void JobsTestBase::cleanup()
{
    QVERIFY2(!queue_warning.load(), "Qt could not queue a signal's arguments");
}
