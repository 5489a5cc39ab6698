#pragma once
// What the inter-route scans found per move and route pair: a scan rescans only the pairs in
// which a route changed (its stamp) and offers what the others kept again, in scan order.
//
// A pair keeps every candidate that could be chosen after whatever earlier pairs offered:
// not one that fails is_less against 0.0 (the choice only falls from there), nor one 0.02 or
// more above a candidate kept before it (after that one the best is at most 0.01 above it).
// Replaying the kept candidates in scan order so chooses what a full scan chooses.

#include "moves/inter_candidates.h"
#include "moves/move_support.h"
#include "route_ends.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace moves {

template <class Candidate>
struct KeptCandidate {
    Priced price;
    Candidate candidate;
};

// What the last scan of one route pair kept, and the stamps of the two routes it saw.
template <class Candidate>
struct PairFinding {
    std::uint64_t stamp1 = 0;
    std::uint64_t stamp2 = 0;
    std::vector<KeptCandidate<Candidate>> v_kept;
    // The least delta kept: when the choice cannot take it, it takes none of the others.
    double least = std::numeric_limits<double>::infinity();

    bool current(std::uint64_t s1, std::uint64_t s2) const
    {
        return s1 != 0 && s2 != 0 && stamp1 == s1 && stamp2 == s2;
    }
    // Offers the kept candidates again for routes r1 and r2.
    void offer_to(unsigned r1, unsigned r2, Choice<Candidate>& choice) const
    {
        if (!choice.may_take(least)) {
            return;
        }
        for (const KeptCandidate<Candidate>& kept : v_kept) {
            Candidate candidate = kept.candidate;
            candidate.r1 = r1;
            candidate.r2 = r2;
            choice.offer(kept.price, candidate);
        }
    }
};

// The findings of one move, by route pair (r1, r2). After a scan every pair is current, so
// the row of an unchanged route visits only changed routes and pairs that kept something.
template <class Candidate>
class PairFindings {
public:
    // Before a scan, v_stamps holding the routes' stamps.
    void prepare(const std::vector<std::uint64_t>& v_stamps)
    {
        const auto routes = static_cast<unsigned>(v_stamps.size());
        if (routes > stride) {
            stride = routes + routes / 2 + 4;
            v_pairs.assign(static_cast<std::size_t>(stride) * stride, PairFinding<Candidate>{});
            v_kept_any.assign(static_cast<std::size_t>(stride) * stride, 0);
            v_seen.clear();
        }
        v_changed.assign(routes, 0);
        for (unsigned r = 0; r < routes; ++r) {
            v_changed[r] = v_stamps[r] == 0 || r >= v_seen.size() || v_seen[r] != v_stamps[r];
        }
    }
    // After the scan: every pair is current for these stamps.
    void finish(const std::vector<std::uint64_t>& v_stamps) { v_seen = v_stamps; }

    PairFinding<Candidate>& at(unsigned r1, unsigned r2)
    {
        return v_pairs[static_cast<std::size_t>(r1) * stride + r2];
    }
    // After pair (r1, r2) was rescanned.
    void note_kept(unsigned r1, unsigned r2)
    {
        const std::size_t k = static_cast<std::size_t>(r1) * stride + r2;
        v_kept_any[k] = v_pairs[k].v_kept.empty() ? 0 : 1;
    }

    // The routes r2 >= first, ascending, whose pair with r1 may need a rescan or kept
    // something (r1 itself may be among them).
    const std::vector<unsigned>& columns(unsigned r1, unsigned first)
    {
        const auto routes = static_cast<unsigned>(v_changed.size());
        const unsigned char* row = v_kept_any.data() + static_cast<std::size_t>(r1) * stride;
        v_columns.clear();
        for (unsigned r2 = first; r2 < routes; ++r2) {
            if (v_changed[r1] != 0 || v_changed[r2] != 0 || row[r2] != 0) {
                v_columns.push_back(r2);
            }
        }
        return v_columns;
    }

private:
    unsigned stride = 0;
    std::vector<PairFinding<Candidate>> v_pairs;
    std::vector<unsigned char> v_kept_any;  // per pair: whether it kept a candidate
    std::vector<std::uint64_t> v_seen;      // the routes' stamps at the end of the last scan
    std::vector<unsigned char> v_changed;   // per route: its stamp differs in this scan
    std::vector<unsigned> v_columns;
};

// Stands in for the choice while one pair is rescanned: keeps what the pair keeps (above).
template <class Candidate>
class PairRecorder {
public:
    explicit PairRecorder(PairFinding<Candidate>& finding_) : finding(finding_)
    {
        finding.v_kept.clear();
        finding.least = std::numeric_limits<double>::infinity();
    }
    bool may_take(double floor_delta) const
    {
        return is_less(floor_delta, 0.0) && floor_delta < bar + 0.02;
    }
    // Up to rounding, the least floor delta that may_take refuses.
    double limit() const { return std::min(-0.01, bar + 0.02); }
    void offer(const Priced& price, const Candidate& candidate)
    {
        if (may_take(price.delta)) {
            finding.v_kept.push_back(KeptCandidate<Candidate>{price, candidate});
            bar = std::min(bar, price.delta);
            finding.least = std::min(finding.least, price.delta);
        }
    }

private:
    PairFinding<Candidate>& finding;
    double bar = 0.0;
};

// Stands in for the choice while a pair of a symmetric move is rescanned: candidate
// (r1, r2, i, p) is (r2, r1, p, i) at the same price, so one scan serves both orders.
template <class Candidate>
class ImprovingRecorder {
public:
    explicit ImprovingRecorder(std::vector<KeptCandidate<Candidate>>& v_found_) : v_found(v_found_)
    {
        v_found.clear();
    }
    bool may_take(double floor_delta) const { return is_less(floor_delta, 0.0); }
    double limit() const { return -0.01; }
    void offer(const Priced& price, const Candidate& candidate)
    {
        if (may_take(price.delta)) {
            v_found.push_back(KeptCandidate<Candidate>{price, candidate});
        }
    }

private:
    std::vector<KeptCandidate<Candidate>>& v_found;
};

// What a PairRecorder keeps of the improving candidates v_found, offered in their order.
template <class Candidate>
void keep_as_recorded(const std::vector<KeptCandidate<Candidate>>& v_found,
                      PairFinding<Candidate>& finding)
{
    PairRecorder<Candidate> recorder(finding);
    for (const KeptCandidate<Candidate>& found : v_found) {
        recorder.offer(found.price, found.candidate);
    }
}

// The pair-scan driver: rows r1 ascending, columns r2 ascending from first_column(r1) that
// pass use(r1, r2). A current pair offers what it kept; rescan(r1, r2, finding) fills any
// other afresh.
template <class Candidate, class FirstColumn, class Use, class Rescan>
void scan_pairs(PairFindings<Candidate>& findings, const std::vector<std::uint64_t>& v_stamps,
                FirstColumn first_column, Use use, Rescan rescan, Choice<Candidate>& choice)
{
    findings.prepare(v_stamps);
    const auto routes = static_cast<unsigned>(v_stamps.size());
    for (unsigned r1 = 0; r1 < routes; ++r1) {
        const unsigned first = first_column(r1);
        if (first >= routes) {
            continue;
        }
        for (const unsigned r2 : findings.columns(r1, first)) {
            if (!use(r1, r2)) {
                continue;
            }
            PairFinding<Candidate>& finding = findings.at(r1, r2);
            if (!finding.current(v_stamps[r1], v_stamps[r2])) {
                rescan(r1, r2, finding);
                finding.stamp1 = v_stamps[r1];
                finding.stamp2 = v_stamps[r2];
                findings.note_kept(r1, r2);
            }
            finding.offer_to(r1, r2, choice);
        }
    }
    findings.finish(v_stamps);
}

}  // namespace moves
