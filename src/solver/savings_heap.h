#pragma once
// Indexed max-heap of client pairs for the savings construction. A position table
// finds the slot of any pair, so the savings of a client that stops being a route
// end can be cancelled in place instead of searched for.

#include <vector>

struct HeapElement {
    double key = 0.0;  // savings key; 0.0 once the pair is processed or cancelled
    int i = 0;         // last client of the route that would come first
    int j = 0;         // first client of the route that would follow
};

class Heap {
public:
    // Copies the list into slots 1..; the list must be the side x side pairs in
    // row-major order, so that the pair (i, j) starts in slot i * side + j + 1.
    explicit Heap(std::vector<HeapElement> v_list);

    void build_heap();
    // Restores the order below slot k after its key decreased.
    void sift_down(int k);
    // Overwrites slot k without restoring the order; the caller sifts down.
    void set_element(const HeapElement& e, int k);
    HeapElement top() const;
    void print_keys() const;

    static int parent(int k) { return k / 2; }
    static int left(int k) { return 2 * k; }
    static int right(int k) { return 2 * k + 1; }

    int side() const { return n_side; }
    // Slot that currently holds the pair (i, j).
    int position(int i, int j) const { return positions[index(i, j)]; }
    const HeapElement& element(int k) const { return elements[static_cast<std::size_t>(k)]; }
    int slot_count() const { return size; }

private:
    int n_side = 0;
    std::vector<int> positions;          // side x side, row-major
    std::vector<HeapElement> elements;  // slot 0 unused
    int size = 1;                        // slots, slot 0 included

    std::size_t index(int i, int j) const
    {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(n_side) +
               static_cast<std::size_t>(j);
    }
    double key(int k) const { return elements[static_cast<std::size_t>(k)].key; }
    // Writes e into the slot and records the slot as the pair's position.
    void place(const HeapElement& e, int slot);
};
