#include "job_context.h"

#include "database.h"
#include "request_abort.h"
#include "stop_token.h"

void JobContext::detach()
{
    std::lock_guard<std::mutex> lock(mutex);
    owner = nullptr;
    database = nullptr;
}

void JobContext::set_database(Database* new_database)
{
    std::lock_guard<std::mutex> lock(mutex);
    database = new_database;
}

bool JobContext::wanted() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return owner != nullptr && !stop_flag.load();
}

void JobContext::stop_every_job()
{
    {
        // Under the lock: a report already past its check finishes before this returns.
        std::lock_guard<std::mutex> lock(mutex);
        stop_flag.store(true);
    }
    Geoservices::wake_requests(&stop_flag);
}

bool JobContext::report(const StopToken* token, const std::function<void(ThreadJobs&)>& report)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (owner == nullptr || stop_flag.load() || (token != nullptr && token->withdrawn())) {
        return false;
    }
    report(*owner);
    return true;
}

void JobContext::withdraw(StopToken& token)
{
    std::lock_guard<std::mutex> lock(mutex);
    token.withdraw();
}

TextTable JobContext::select_client_by_code(const std::string& s_code)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (database == nullptr) {
        return {};
    }
    return database->select_client_by_code(s_code);
}
