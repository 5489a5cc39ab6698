#pragma once
// What the jobs of one ThreadJobs object share with it. The object may be destroyed
// while its jobs still run on the pool (a window closed during an optimisation); from
// then on the jobs report nothing and reach no database. One lock makes "still alive?"
// and the report (or the query) a single step, so the destructor never races a signal.

#include "text_table.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

class Database;
class StopToken;
class ThreadJobs;

class JobContext {
public:
    explicit JobContext(ThreadJobs* owner_object) : owner(owner_object) {}

    // Called by the owner's destructor: after it returns no job touches the owner again.
    void detach();
    void set_database(Database* database);

    // True while the owner is there and has not asked every job to stop: only then is a
    // job's work still read.
    bool wanted() const;
    // Asks every job of the owner to end as soon as it can; from then on none reports.
    // Transfers in flight are ended at once.
    void stop_every_job();
    // What a job hands to the solver and installs for its web requests.
    const std::atomic<bool>* stop_request() const { return &stop_flag; }
    // Runs report on the owner (a signal emission) while the work is wanted and the token,
    // when given, was not withdrawn. False when nothing was reported.
    bool report(const StopToken* token, const std::function<void(ThreadJobs&)>& report);
    // Withdraws the token under the lock, so that a report already past its check
    // finishes before the caller goes on.
    void withdraw(StopToken& token);
    // The stored clients under that code; empty without a database or once detached.
    TextTable select_client_by_code(const std::string& s_code);

private:
    mutable std::mutex mutex;
    ThreadJobs* owner;
    Database* database = nullptr;
    std::atomic<bool> stop_flag{false};
};
