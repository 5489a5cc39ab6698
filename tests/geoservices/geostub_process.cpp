#include "geostub_process.h"

#include "service_config.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace {

void write_file_atomically(const std::string& s_path, const std::string& s_text)
{
    std::ofstream(s_path + ".tmp", std::ios::binary) << s_text;
    std::rename((s_path + ".tmp").c_str(), s_path.c_str());
}

// Whether the process ended within the time, polling.
bool ends_within(pid_t pid, std::chrono::seconds seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + seconds;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace

bool GeoStub::start()
{
    char s_template[] = "/tmp/geostub-test-XXXXXX";
    std::error_code error;
    s_folder_ = mkdtemp(s_template) != nullptr ? s_template : "";
    s_previous_dir_ = std::filesystem::current_path(error).string();
    std::filesystem::current_path(s_folder_, error);
    if (s_folder_.empty() || error) return false;
    write_file_atomically(path("script.json"), "{}");
    // Found without TOVALO_TOOLS too, when a test program is started by hand.
    const char* s_tools = std::getenv("TOVALO_TOOLS");
    const std::string s_tools_folder = s_tools != nullptr ? s_tools : TOVALO_SOURCE_TOOLS;
    std::vector<std::string> v_arguments = {
        "python3", s_tools_folder + "/geostub/geostub.py",
        "--port-file", path("ports"), "--script", path("script.json"),
        "--log", path("requests.log"), "--cacert-dir", s_folder_};
    std::vector<char*> v_argv;
    for (std::string& s_argument : v_arguments) v_argv.push_back(s_argument.data());
    v_argv.push_back(nullptr);
    if (posix_spawnp(&pid_, v_argv[0], nullptr, nullptr, v_argv.data(), environ) != 0) pid_ = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
        std::ifstream file(path("ports"));  // written whole once every listener is up
        std::string s_name;
        for (int port = 0; file >> s_name >> port;) ports_[s_name] = port;
        if (!ports_.empty()) return true;
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;  // the stub died while starting
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    stop();
    return false;
}

void GeoStub::stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        // The interpreter can hang on its way out; a stub that does not end soon is killed.
        if (!ends_within(pid_, std::chrono::seconds(5))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }
    if (!s_previous_dir_.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(s_previous_dir_, ignored);
        std::filesystem::remove_all(s_folder_, ignored);
        s_previous_dir_.clear();
    }
}

std::string GeoStub::host(const std::string& s_listener) const
{
    const auto found = ports_.find(s_listener);
    return "127.0.0.1:" + std::to_string(found == ports_.end() ? 0 : found->second);
}

void GeoStub::set_script(const std::string& s_json)
{
    write_file_atomically(path("script.json"), s_json);
    std::ifstream log(path("requests.log"), std::ios::ate);
    log_offset_ = log ? static_cast<long>(log.tellg()) : 0;
}

std::vector<std::string> GeoStub::requests() const
{
    std::ifstream log(path("requests.log"));
    log.seekg(log_offset_);
    std::vector<std::string> v_lines;
    for (std::string s_line; std::getline(log, s_line);) v_lines.push_back(s_line);
    return v_lines;
}

void point_services_at(const GeoStub& stub)
{
    const std::string s_https = stub.host("https");
    Geoservices::set_endpoints(
        Geoservices::Endpoints{s_https, s_https, stub.host("http"), s_https});
}
