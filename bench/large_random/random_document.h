#pragma once
// A seeded random instance document: clients scattered on a square around a
// central depot, Euclidean legs for both matrices, windows every client can meet alone.

#include <rapidjson/document.h>

struct RandomDocumentShape {
    int clients = 1000;  // besides the depot
    unsigned seed = 1;
    int vehicles = 0;  // 0: one vehicle per client (an unlimited fleet)
    int capacity = 200;
};

rapidjson::Document make_random_document(const RandomDocumentShape& shape);
