#include "json_document.h"

#include "json_access.h"
#include "output_writer.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr size_t k_read_buffer_size = 65536;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The parser, the writer and every deep copy recurse once per level, so a text nested
// deeper than any instance document or service answer would overflow the stack.
constexpr size_t k_max_nesting = 512;

// Offset of the first bracket that opens a level beyond k_max_nesting, else the size.
size_t nesting_limit_offset(const char* text, size_t size)
{
    size_t depth = 0;
    bool in_string = false;
    bool escaped = false;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (escaped) {
            escaped = false;
        } else if (in_string) {
            escaped = c == '\\';
            in_string = c != '"';
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            if (++depth > k_max_nesting) {
                return i;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return size;
}

// A text nested too deep is parsed only up to its first too-deep bracket, where the
// unfinished document then fails with that offset.
void parse_text(rapidjson::Document& document, const std::string& s_text)
{
    document.Parse(s_text.c_str(), nesting_limit_offset(s_text.c_str(), s_text.size()));
}

// Parses the file; an unreadable path gives a null document like a parse failure.
rapidjson::Document parse_file(const std::string& s_path)
{
    rapidjson::Document document;
    FilePtr file(std::fopen(s_path.c_str(), "rb"));
    if (!file) {
        return document;  // root stays null
    }
    std::string s_text;
    std::vector<char> buffer(k_read_buffer_size);
    for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0;) {
        s_text.append(buffer.data(), got);
    }
    parse_text(document, s_text);
    return document;
}

// Appends to s_path the steps down to the first number a double cannot hold; false (the
// path as it was) when there is none. A member without a name is written "" so that its
// step still shows.
bool find_non_finite_number(const rapidjson::Value& value, std::string& s_path)
{
    if (value.IsNumber()) {
        return !is_finite_number(value);
    }
    const size_t n_length = s_path.size();
    if (value.IsObject()) {
        for (const auto& member : value.GetObject()) {
            const std::string s_name(member.name.GetString(), member.name.GetStringLength());
            s_path += (n_length == 0 ? "" : ".") + (s_name.empty() ? std::string("\"\"") : s_name);
            if (find_non_finite_number(member.value, s_path)) {
                return true;
            }
            s_path.resize(n_length);
        }
    } else if (value.IsArray()) {
        for (rapidjson::SizeType i = 0; i < value.Size(); ++i) {
            s_path += "[" + std::to_string(i) + "]";
            if (find_non_finite_number(value[i], s_path)) {
                return true;
            }
            s_path.resize(n_length);
        }
    }
    return false;
}

}  // namespace

rapidjson::Document string_to_json(const std::string& s_text)
{
    rapidjson::Document document;
    parse_text(document, s_text);
    return document;
}

std::string json_to_string(const rapidjson::Value& value)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    // The writer stops at a non-finite number; what it wrote until then is no document.
    if (!value.Accept(writer)) {
        return std::string();
    }
    return std::string(buffer.GetString(), buffer.GetSize());
}

std::string non_finite_number_path(const rapidjson::Value& value)
{
    std::string s_path;
    if (!find_non_finite_number(value, s_path)) {
        return std::string();
    }
    return s_path.empty() ? std::string(".") : s_path;
}

void save_json_file(const rapidjson::Value& value, const std::string& s_path)
{
    try_save_json_file(value, s_path);
}

bool try_save_json_file(const rapidjson::Value& value, const std::string& s_path)
{
    const std::string s_text = json_to_string(value);
    if (s_text.empty()) {
        return false;  // before opening: the file in place must not be truncated
    }
    FilePtr file(std::fopen(s_path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(s_text.data(), 1, s_text.size(), file.get()) == s_text.size();
    return std::fclose(file.release()) == 0 && written;
}

rapidjson::Document load_json_file(const std::string& s_path)
{
    rapidjson::Document document = parse_file(s_path);
    if (document.IsNull()) {
        std::cout << "Invalid JSON...\n";
    }
    return document;
}

rapidjson::Document read_json_file(const std::string& s_path)
{
    rapidjson::Document document = parse_file(s_path);
    if (document.IsNull()) {
        document.SetObject();
        add_error_record(document, "invalid_file", "file is not in json format");
    }
    return document;
}

rapidjson::Value json_string_value(const std::string& s_text,
                                   rapidjson::Document::AllocatorType& allocator)
{
    return rapidjson::Value(s_text.data(), static_cast<rapidjson::SizeType>(s_text.size()),
                            allocator);
}
