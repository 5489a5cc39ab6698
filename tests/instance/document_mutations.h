#pragma once
// Seeded mutations of instance documents and of their texts, shared by the tests that
// feed malformed input to the reader, the checks and the solver entry. The same seed
// always gives the same mutants, so a failing case can be replayed by its seed.

#include <rapidjson/document.h>

#include <random>
#include <string>

namespace mutation {

// The document of a file in tests/data; a null document when it cannot be read.
rapidjson::Document load_test_document(const std::string& s_name);
// A small valid instance: a depot and n_clients clients, both matrices, one or two
// vehicle types.
rapidjson::Document small_instance(std::mt19937& rng, int n_clients);

// One structural change at a random node: removed, another kind or range of value, an
// integer as a double, a short or long row, an emptied array, a duplicate member first,
// or (rarely) a root that is no object.
void mutate_structure(rapidjson::Document& document, std::mt19937& rng);
// One well-typed change a planner could make: a depot only, no vehicles or capacity,
// demands above every capacity, negative or inverted time windows, huge values, NaN texts.
void mutate_content(rapidjson::Document& document, std::mt19937& rng);
// A copy of the document with 1 to max_changes changes of either kind.
rapidjson::Document mutant(const rapidjson::Value& source, std::mt19937& rng, int max_changes);
// A damaged text: truncated, bytes dropped, flipped or inserted, invalid UTF-8, a
// byte-order mark, trailing garbage or deep nesting.
std::string mutate_text(const std::string& s_text, std::mt19937& rng);

// The value at a JSON pointer, or nullptr.
rapidjson::Value* value_at(rapidjson::Document& document, const char* s_pointer);
// Sets the member, adding it when absent; nothing when object is no object.
void set_member(rapidjson::Value* object, const char* s_name, rapidjson::Value value,
                rapidjson::Document& document);
// Sets input.meta_info.max_time so a time-limited method ends quickly.
void set_max_time(rapidjson::Document& document, double seconds);

// "output" members at the root, whether the last member is one, and the error code
// (empty when the document holds no error record).
int output_members(const rapidjson::Value& document);
bool output_is_last(const rapidjson::Value& document);
std::string error_code(const rapidjson::Value& document);

// Draws 0..n-1.
int draw(std::mt19937& rng, int n);

}  // namespace mutation
