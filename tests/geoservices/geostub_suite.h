#pragma once
// A test suite that shares one running stand-in among its tests, with the endpoints
// table pointed at it for the suite's duration.

#include "geostub_process.h"
#include "service_config.h"

#include <gtest/gtest.h>

#include <string>

class GeoStubSuite : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stub_ = new GeoStub;
        ASSERT_TRUE(stub_->start()) << "the loopback stand-in did not start";
        point_services_at(*stub_);
    }

    static void TearDownTestSuite()
    {
        delete stub_;
        stub_ = nullptr;
        Geoservices::set_endpoints(Geoservices::default_endpoints());
    }

    static std::string stub_url(const std::string& s_scheme, const std::string& s_listener,
                                const std::string& s_path)
    {
        return s_scheme + "://" + stub_->host(s_listener) + s_path;
    }

    static inline GeoStub* stub_ = nullptr;
};
