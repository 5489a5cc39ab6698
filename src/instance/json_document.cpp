#include "json_document.h"

#include "output_writer.h"

#include <rapidjson/filereadstream.h>
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

// Parses the file; an unreadable path gives a null document like a parse failure.
rapidjson::Document parse_file(const std::string& s_path)
{
    rapidjson::Document document;
    FilePtr file(std::fopen(s_path.c_str(), "rb"));
    if (!file) {
        return document;  // root stays null
    }
    std::vector<char> buffer(k_read_buffer_size);
    rapidjson::FileReadStream stream(file.get(), buffer.data(), buffer.size());
    document.ParseStream(stream);
    return document;
}

}  // namespace

rapidjson::Document string_to_json(const std::string& s_text)
{
    rapidjson::Document document;
    document.Parse(s_text.c_str(), s_text.size());
    return document;
}

std::string json_to_string(const rapidjson::Value& value)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    value.Accept(writer);
    return std::string(buffer.GetString(), buffer.GetSize());
}

void save_json_file(const rapidjson::Value& value, const std::string& s_path)
{
    try_save_json_file(value, s_path);
}

bool try_save_json_file(const rapidjson::Value& value, const std::string& s_path)
{
    FilePtr file(std::fopen(s_path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const std::string s_text = json_to_string(value);
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
