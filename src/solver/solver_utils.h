#pragma once
// Small numeric helpers shared by every solver operation.

#include <string>
#include <vector>

// lo + rand() mod (hi - lo + 1), both bounds inclusive; -1 without a draw when lo > hi.
int rand_int(int lo, int hi);
// An improvement counts only when it exceeds 0.01. Inline: every move candidate asks it.
inline bool is_less(double a, double b)
{
    return a - b < -0.01;
}
bool is_equal(double a, double b);
double rand_double();
// Entry names sorted byte-wise, without "." and ".." (dropped by name, so a name
// sorting before them is kept); empty when unreadable.
std::vector<std::string> list_directory_sorted(const std::string& s_path);

// Truncates toward zero, saturating at the int range (NaN gives 0), so that a
// huge matrix value never turns into undefined behaviour.
int truncate_to_int(double value);
// Saturates a wide integer sum into the int range.
int saturate_to_int(long long value);
