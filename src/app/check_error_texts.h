#pragma once
// Whether an instance document carries a usable result, and the fixed texts shown for
// the error codes that the instance check and the web services record in it.

#include <QString>
#include <rapidjson/document.h>

#include <string>

enum class ResultState {
    no_result,  // null document, no output part, or an output that is no object
    solved,     // an output part without an error record
    failed      // an error record: its code is handed back
};

// s_code receives output.meta_info.error (empty when that is not a text).
ResultState result_state(const rapidjson::Value& document, std::string& s_code);

struct CheckErrorText {
    QString s_status;  // status-bar text while the box is open
    QString s_box;     // text of the "Input data error" box
};

// Translated texts for the code; a code of no table row (letter case counts) gets the
// general "Problem generating the input data file (json)".
CheckErrorText check_error_text(const std::string& s_code);
