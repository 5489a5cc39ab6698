#pragma once
// Two self-contained sample requests for trying the services by hand; nothing else calls them.

#include <string>

// One geocoding request to the HERE service with the program's access token.
// Returns the body, or "curl initialization failure" when libcurl gives no handle.
std::string here_geocode_test();

// The "Authorization" header line that here_geocode_test sends.
std::string here_authorization_header();

// OSRM table URL asking for the first sample point as every source and destination.
std::string osrm_sample_table_url(int sources, int destinations);
