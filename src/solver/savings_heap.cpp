#include "savings_heap.h"

#include <cmath>
#include <cstdio>

namespace {
// Largest side with side * side <= count.
int square_side(std::size_t count)
{
    auto side = static_cast<std::size_t>(std::sqrt(static_cast<double>(count)));
    while (side * side > count) {
        --side;
    }
    while ((side + 1) * (side + 1) <= count) {
        ++side;
    }
    return static_cast<int>(side);
}
}  // namespace

Heap::Heap(std::vector<HeapElement> v_list)
    : n_side(square_side(v_list.size())),
      positions(static_cast<std::size_t>(n_side) * static_cast<std::size_t>(n_side), 0),
      size(static_cast<int>(v_list.size()) + 1)
{
    elements.reserve(v_list.size() + 1);
    elements.emplace_back();
    elements.insert(elements.end(), v_list.begin(), v_list.end());
    for (std::size_t k = 0; k < positions.size(); ++k) {
        positions[k] = static_cast<int>(k) + 1;
    }
}

void Heap::build_heap()
{
    for (int k = (size - 1) / 2; k >= 1; --k) {
        sift_down(k);
    }
}

void Heap::sift_down(int k)
{
    // The sinking element is held aside and written once where it stops; every
    // child that moves up is written (and its position recorded) on the way.
    const HeapElement sinking = elements[static_cast<std::size_t>(k)];
    while (left(k) < size) {
        int larger = left(k);
        if (right(k) < size && key(right(k)) > key(larger)) {
            larger = right(k);
        }
        if (!(key(larger) > sinking.key)) {
            break;
        }
        place(elements[static_cast<std::size_t>(larger)], k);
        k = larger;
    }
    place(sinking, k);
}

void Heap::place(const HeapElement& e, int slot)
{
    elements[static_cast<std::size_t>(slot)] = e;
    // A pair outside the table (a list that was not side x side) has no position.
    if (e.i >= 0 && e.i < n_side && e.j >= 0 && e.j < n_side) {
        positions[index(e.i, e.j)] = slot;
    }
}

void Heap::set_element(const HeapElement& e, int k)
{
    if (k >= size || k < 0) {
        std::printf("non existent heap value");
        return;
    }
    elements[static_cast<std::size_t>(k)] = e;
}

HeapElement Heap::top() const
{
    // An empty heap has no slot 1; its top is a cancelled pair.
    return size > 1 ? elements[1] : HeapElement{};
}

void Heap::print_keys() const
{
    for (const HeapElement& e : elements) {
        std::printf("%g-", e.key);
    }
    std::printf("\n");
}
