#pragma once
// The outcome of one coordinate lookup; the values are carried by the jobs' signals.

namespace Geoservices {

enum LAT_LONG_STATUS {
    LAT_LONG_OK = 0,                  // coordinates found and written
    LAT_LONG_NO_INTERNET = 1,         // no usable answer
    LAT_LONG_NOT_FOUND = 2,           // the service found nothing or refused the query
    LAT_LONG_EXACT_NOT_FOUND = 3,     // exact search matched several places; first one written
    LAT_LONG_INVALID_EMAIL = 4,       // Nominatim answered a text that is not JSON
    LAT_LONG_INVALID_GOOGLE_KEY = 5,  // Google answered "REQUEST_DENIED"
    LAT_LONG_ALREADY_EXISTS = 6       // set by the jobs: the row already had coordinates
};

}  // namespace Geoservices
