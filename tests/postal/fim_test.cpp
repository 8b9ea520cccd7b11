// Facing Identification Mark patterns.
#include "postal/fim.h"

#include <gtest/gtest.h>

namespace pc::postal {
namespace {

TEST(Fim, EachTypeHasItsBarColumnsAndPattern) {
    using T = TFIMBarCodeType;
    EXPECT_EQ(FimBarColumns(T::fimTypeA), (std::vector<int>{1, 3, 9, 15, 17}));
    EXPECT_EQ(FimBarColumns(T::fimTypeB), (std::vector<int>{1, 5, 7, 11, 13, 17}));
    EXPECT_EQ(FimBarColumns(T::fimTypeC), (std::vector<int>{1, 3, 7, 11, 15, 17}));
    EXPECT_EQ(FimBarColumns(T::fimTypeD), (std::vector<int>{1, 3, 5, 9, 13, 15, 17}));
    EXPECT_EQ(FimBarColumns(T::fimTypeE), (std::vector<int>{1, 5, 13, 17}));
    EXPECT_EQ(FimPattern(T::fimTypeA), "110010011");
    EXPECT_EQ(FimPattern(T::fimTypeB), "101101101");
    EXPECT_EQ(FimPattern(T::fimTypeC), "110101011");
    EXPECT_EQ(FimPattern(T::fimTypeD), "111010111");
    EXPECT_EQ(FimPattern(T::fimTypeE), "101000101");
}

TEST(Fim, AnUnknownTypeHasNoBars) {
    const auto unknown = static_cast<TFIMBarCodeType>(7);
    EXPECT_TRUE(FimBarColumns(unknown).empty());
    EXPECT_TRUE(FimPattern(unknown).isEmpty());
}

}  // namespace
}  // namespace pc::postal
