#pragma once
// Runs tools/geostub/geostub.py, the loopback stand-in for the web services. start() works in
// a fresh folder, so that the requests find the stub's "cacert.pem"; stop() goes back.

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

class GeoStub {
public:
    GeoStub() = default;
    GeoStub(const GeoStub&) = delete;
    GeoStub& operator=(const GeoStub&) = delete;
    ~GeoStub() { stop(); }

    bool start();  // false when the stub did not come up within a few seconds
    void stop();
    // "127.0.0.1:PORT" of a listener: "http", "https", "https_foreign_ca", "https_wrong_host",
    // or "closed" (a loopback port nobody listens on).
    std::string host(const std::string& s_listener) const;
    // Replaces the answers (see tools/geostub/README.md) and forgets the logged requests.
    void set_script(const std::string& s_json);
    // "listener GET /path?query HTTP/1.1" for each request since the last set_script.
    std::vector<std::string> requests() const;
    // The stub's folder: its "cacert.pem" for tests that run elsewhere.
    const std::string& folder() const { return s_folder_; }

private:
    std::string path(const std::string& s_name) const { return s_folder_ + "/" + s_name; }

    pid_t pid_ = -1;
    std::string s_folder_;
    std::string s_previous_dir_;
    std::map<std::string, int> ports_;
    long log_offset_ = 0;
};

// Points every service of the endpoints table at the stub's listeners.
void point_services_at(const GeoStub& stub);
