#include "geostub_process.h"

#include "service_config.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace {

constexpr auto k_start_wait = std::chrono::seconds(15);

std::string geostub_script()
{
    const char* tools = std::getenv("TOVALO_TOOLS");
    return std::string(tools != nullptr ? tools : TOVALO_SOURCE_TOOLS) + "/geostub/geostub.py";
}

void write_file_atomically(const std::string& s_path, const std::string& s_text)
{
    std::ofstream(s_path + ".tmp", std::ios::binary) << s_text;
    std::rename((s_path + ".tmp").c_str(), s_path.c_str());
}

pid_t spawn(const std::vector<std::string>& v_arguments)
{
    std::vector<char*> v_argv;
    for (const std::string& s_argument : v_arguments) {
        v_argv.push_back(const_cast<char*>(s_argument.c_str()));
    }
    v_argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, v_argv[0], nullptr, nullptr, v_argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

}  // namespace


bool GeoStub::start()
{
    char s_template[] = "/tmp/geostub-test-XXXXXX";
    if (mkdtemp(s_template) == nullptr) {
        return false;
    }
    s_folder_ = s_template;
    std::error_code error;
    s_previous_dir_ = std::filesystem::current_path(error).string();
    std::filesystem::current_path(s_folder_, error);
    if (error) {
        return false;
    }
    write_file_atomically(path("script.json"), "{}");
    pid_ = spawn({"python3", geostub_script(), "--port-file", path("ports"), "--script",
                  path("script.json"), "--log", path("requests.log"), "--cacert-dir",
                  s_folder_});
    const auto deadline = std::chrono::steady_clock::now() + k_start_wait;
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
        if (read_ports()) {
            return true;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;  // the stub died while starting
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    stop();
    return false;
}

bool GeoStub::read_ports()
{
    std::ifstream file(path("ports"));
    std::string s_name;
    int port = 0;
    while (file >> s_name >> port) {
        ports_[s_name] = port;
    }
    return !ports_.empty();
}

void GeoStub::stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        // The interpreter can hang on its way out; a stub that does not end soon is killed.
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(pid_, &status, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
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

int GeoStub::port(const std::string& s_listener) const
{
    const auto found = ports_.find(s_listener);
    return found == ports_.end() ? 0 : found->second;
}

std::string GeoStub::host(const std::string& s_listener) const
{
    return "127.0.0.1:" + std::to_string(port(s_listener));
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
    for (std::string s_line; std::getline(log, s_line);) {
        v_lines.push_back(s_line);
    }
    return v_lines;
}

void point_services_at(const GeoStub& stub)
{
    Geoservices::set_endpoints(Geoservices::Endpoints{stub.host("https"), stub.host("https"),
                                                      stub.host("http"), stub.host("https")});
}
