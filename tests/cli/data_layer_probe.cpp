// A program that links the table layer and nothing else of Postcraft, so
// the libraries it loads are the ones the table layer brings along.
#include <cstdio>

#include "data/t_table.h"

int main() {
    pc::data::TTable table;
    std::printf("%d\n", table.active() ? 1 : 0);
    return 0;
}
